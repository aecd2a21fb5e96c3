// The instrument search over a pty against the simulator, on the real clock: 32 addresses of a
// silent line at 9600 baud, which must take under 4 s, and the whole search over every baud rate
// for an instrument at address 7 and 19200 baud, which the link looks for at 9600.
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/bench_rig.h"
#include "workflows/exchange_context.h"
#include "workflows/instrument_search.h"

namespace {

using namespace zorkan;

constexpr double kSilentLineLimitMs = 4000;

class QuietPanel final : public ProgressPanel {
 public:
  void setLines(const ProgressLines&) override {}
  void setVisible(bool) override {}
  void processPendingEvents() override {}
};

struct TimedSearch {
  InstrumentSearchResult result;
  double ms = 0;
};

TimedSearch Search(DeviceLink& link, OperatorDialogs& dialogs, const InstrumentSearch& search) {
  QuietPanel panel;
  CancelLatch latch;
  Progress progress(panel, latch);
  NoExchangeControls controls;
  ExchangeContext exchange{link, progress, latch, dialogs, controls};
  TimedSearch timed;
  const auto start = std::chrono::steady_clock::now();
  timed.result = FindInstruments(exchange, search);
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

  sim::Simulator instrument{
      {.networkAddress = 7, .baudRate = 19200, .turnaroundMs = bench::kTurnaroundMs}};
  QtSerialPort port;
  DeviceLink link{port, silent.clock, silent.dialogs, "."};
  link.openPortAt(instrument.devicePath(), bench::kBaudRate);
  const TimedSearch whole = Search(link, silent.dialogs, {});

  const bool fast = line.ms < kSilentLineLimitMs;
  const bool found = whole.result.found == std::vector<FoundInstrument>{{7, 19200, "1.1.2"}};
  std::printf("silent line, 32 addresses at %u baud  %8.0f ms   limit %.0f ms, %d ms a probe%s\n",
              bench::kBaudRate, line.ms, kSilentLineLimitMs, silent.link.probeWaitMs(),
              fast ? "" : "   (too slow!)");
  std::printf("every rate, 32 addresses each         %8.0f ms   %s\n", whole.ms,
              found ? "found address 7 at 19200 baud" : "(not found!)");
  return fast && found ? EXIT_SUCCESS : EXIT_FAILURE;
}
