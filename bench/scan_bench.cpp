// The instrument search over a pty against the simulator, on the real clock: 32 addresses of a
// silent line at 9600 baud, which must take under 4 s; the same with three instruments on the
// line, each identified, under 4.5 s; and the whole search over every baud rate for an instrument
// at address 7 and 19200 baud, which the link looks for at 9600.
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/quiet_exchange.h"
#include "workflows/instrument_search.h"

namespace {

using namespace zorkan;

constexpr double kSilentLineLimitMs = 4000;
constexpr double kThreeInstrumentsLimitMs = 4500;

struct TimedSearch {
  InstrumentSearchResult result;
  double ms = 0;
};

TimedSearch Search(DeviceLink& link, OperatorDialogs& dialogs, const InstrumentSearch& search) {
  bench::QuietExchange quiet(link, dialogs);
  TimedSearch timed;
  const auto start = std::chrono::steady_clock::now();
  timed.result = FindInstruments(quiet.exchange, search);
  timed.ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  return timed;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);

  bench::BenchRig silent;
  silent.simulator.addFault({.kind = sim::FaultKind::Silence});
  const TimedSearch line = Search(silent.link, silent.dialogs, {.baudRates = {bench::kBaudRate}});

  sim::Simulator three{{.networkAddress = 1,
                        .baudRate = bench::kBaudRate,
                        .turnaroundMs = bench::kTurnaroundMs,
                        .moreAddresses = {2, 7}}};
  QtSerialPort linePort;
  DeviceLink lineLink{linePort, silent.clock, "."};
  lineLink.openPortAt(three.devicePath(), bench::kBaudRate);
  const TimedSearch line3 = Search(lineLink, silent.dialogs, {.baudRates = {bench::kBaudRate}});

  sim::Simulator instrument{
      {.networkAddress = 7, .baudRate = 19200, .turnaroundMs = bench::kTurnaroundMs}};
  QtSerialPort port;
  DeviceLink link{port, silent.clock, "."};
  link.openPortAt(instrument.devicePath(), bench::kBaudRate);
  const TimedSearch whole = Search(link, silent.dialogs, {});

  const bool fast = line.ms < kSilentLineLimitMs;
  const bool threeFast = line3.ms < kThreeInstrumentsLimitMs;
  const bool threeFound = line3.result.found.size() == 3;
  const bool found =
      whole.result.found.size() == 1 && whole.result.found[0].place == LinePlace{7, 19200};
  std::printf("silent line, 32 addresses at %u baud  %8.0f ms   limit %.0f ms, %zu probes%s\n",
              bench::kBaudRate, line.ms, kSilentLineLimitMs,
              silent.simulator.receivedFrames().size(), fast ? "" : "   (too slow!)");
  std::printf("3 instruments, 32 addresses           %8.0f ms   limit %.0f ms, %zu identified%s\n",
              line3.ms, kThreeInstrumentsLimitMs, line3.result.found.size(),
              threeFast && threeFound ? "" : "   (too slow or not found!)");
  std::printf("every rate, 32 addresses each         %8.0f ms   %s\n", whole.ms,
              found ? "found address 7 at 19200 baud" : "(not found!)");
  return fast && threeFast && threeFound && found ? EXIT_SUCCESS : EXIT_FAILURE;
}
