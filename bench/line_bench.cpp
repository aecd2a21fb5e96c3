// A line of three instruments over a pty against the simulator at 9600 baud: the read of the
// whole line in one pass against three single whole reads, measured in one run, alternately,
// the median of a few rounds each. The pass may take at most 1.05 times as long as the singles:
// going from one instrument to the next must cost next to nothing.
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/quiet_exchange.h"
#include "link/link_at_instrument.h"
#include "workflows/headless_pages.h"
#include "workflows/line_transfer.h"
#include "workflows/whole_instrument.h"

namespace {

using namespace zorkan;

constexpr double kLimitRatio = 1.05;
constexpr int kRounds = 3;
constexpr LinePlace kLine[] = {{1, bench::kBaudRate}, {2, bench::kBaudRate}, {7, bench::kBaudRate}};

template <typename Operation>
double TimedMs(Operation&& operation) {
  const auto start = std::chrono::steady_clock::now();
  operation();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  sim::Simulator line{{.networkAddress = 1,
                       .baudRate = bench::kBaudRate,
                       .turnaroundMs = bench::kTurnaroundMs,
                       .moreAddresses = {2, 7}}};
  QtSerialPort port;
  SystemClock clock;
  bench::SilentDialogs dialogs;
  DeviceLink link{port, clock, "."};
  link.openPortAt(line.devicePath(), bench::kBaudRate);
  link.setParameters(LinkParameters{});
  bench::QuietExchange quiet(link, dialogs);
  ExchangeContext& exchange = quiet.exchange;
  DeviceSettings start;
  for (ChannelSettings& channel : start.channels) channel.averaging = 1;

  int failures = 0;
  std::vector<double> singles;
  std::vector<double> passes;
  for (int round = 0; round < kRounds; ++round) {
    singles.push_back(TimedMs([&] {
      LinkAtInstrument atAddress(link);
      for (const LinePlace& place : kLine) {
        atAddress.moveToAddress(place.networkAddress);
        DeviceSettings settings = start;
        HeadlessPages pages(settings);
        pages.ShowSettings();
        failures += ReadWholeInstrument(exchange, settings, pages) == kOk ? 0 : 1;
        pages.CollectSettings();
      }
    }));
    passes.push_back(TimedMs([&] {
      failures += ReadLineOfInstruments(exchange, kLine, start).transfer.result == kOk ? 0 : 1;
    }));
  }
  const double single = Median(singles);
  const double pass = Median(passes);
  const double ratio = pass / single;
  std::printf("%u baud, %d ms turnaround, median of %d rounds\n", bench::kBaudRate,
              bench::kTurnaroundMs, kRounds);
  std::printf("three single whole reads    %8.0f ms\n", single);
  std::printf("the line read in one pass   %8.0f ms   ratio %.3f, limit %.2f%s\n", pass, ratio,
              kLimitRatio, ratio <= kLimitRatio && failures == 0 ? "" : "   (too slow or failed!)");
  return ratio <= kLimitRatio && failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
