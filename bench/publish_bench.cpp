// The publisher against simulated instruments at 9600 baud and a broker of its own on a loopback
// port: what publishing adds to the poll of one instrument (goal: under 5 %), and the poll rate of
// each of three instruments on one line against the bound that the line's time sets.
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "bench/bench_rig.h"
#include "bench/publish_rig.h"
#include "bench/shared_line.h"
#include "live/live_values.h"
#include "publish/line_publisher.h"

namespace {

using namespace zorkan;
using Steady = std::chrono::steady_clock;

constexpr int kBlocks = 5;
constexpr int kPollsPerBlock = 20;
constexpr int kLineRounds = 30;
constexpr double kOverheadGoal = 0.05;

bool Never() {
  return false;
}

// Until the connections are up: a round that drops nothing.
void WarmUp(LinePublisher& publisher) {
  for (int round = 0; round < 100; ++round) {
    const std::uint64_t dropped = publisher.counts().dropped;
    publisher.pollRound(Never);
    if (round > 0 && publisher.counts().dropped == dropped) return;
  }
  std::fprintf(stderr, "the broker was not reached\n");
}

template <typename Poll>
double MillisecondsOf(Poll&& poll) {
  const auto start = Steady::now();
  poll();
  return std::chrono::duration<double, std::milli>(Steady::now() - start).count();
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// The live read alone and the publisher's poll, in alternating blocks, so that a busy moment of
// the machine falls on both alike.
double PublishingOverhead(bench::BrokerRig& brokers) {
  bench::BenchRig rig;
  LinePublisher publisher(rig.link, brokers.broker, "bench/one", {1}, bench::BrokerRig::Note);
  WarmUp(publisher);
  LiveValues values;
  std::vector<double> read;
  std::vector<double> published;
  for (int block = 0; block < kBlocks; ++block) {
    for (int poll = 0; poll < kPollsPerBlock; ++poll) {
      read.push_back(MillisecondsOf([&] { ReadLiveValues(rig.link, values); }));
    }
    for (int poll = 0; poll < kPollsPerBlock; ++poll) {
      published.push_back(MillisecondsOf([&] { publisher.pollRound(Never); }));
    }
  }
  const double readMs = Median(read);
  const double publishedMs = Median(published);
  const double overhead = (publishedMs - readMs) / readMs;
  std::printf(
      "one instrument: live read %.2f ms, poll with publishing %.2f ms: %+.1f %% "
      "(goal under %.0f %%); %llu messages dropped\n",
      readMs, publishedMs, overhead * 100, kOverheadGoal * 100,
      static_cast<unsigned long long>(publisher.counts().dropped));
  publisher.close(std::chrono::seconds(2));
  return overhead;
}

void ThreeOnOneLine(bench::BrokerRig& brokers) {
  std::vector<std::unique_ptr<sim::Simulator>> instruments;
  std::vector<std::string> paths;
  for (std::uint32_t address = 1; address <= 3; ++address) {
    instruments.push_back(std::make_unique<sim::Simulator>(
        sim::SimulatorOptions{.networkAddress = address,
                              .baudRate = bench::kBaudRate,
                              .turnaroundMs = bench::kTurnaroundMs}));
    // Serial numbers of their own: each instrument has topics and a connection of its own.
    instruments.back()->setByteParameter(2, 11, static_cast<std::uint8_t>(address));
    paths.push_back(instruments.back()->devicePath());
  }
  bench::SharedLine line(paths);
  SystemClock clock;
  bench::SilentDialogs dialogs;
  DeviceLink link(line, clock, dialogs, ".");
  link.openPortAt(paths.front(), bench::kBaudRate);
  link.setParameters(LinkParameters{});
  LinePublisher publisher(link, brokers.broker, "bench/line", {1, 2, 3}, bench::BrokerRig::Note);
  WarmUp(publisher);
  for (auto& instrument : instruments) instrument->clearReceivedFrames();
  const auto start = Steady::now();
  for (int round = 0; round < kLineRounds; ++round) publisher.pollRound(Never);
  const double seconds = std::chrono::duration<double>(Steady::now() - start).count();

  // Every request reaches every pty; each instrument answers its own.
  std::size_t lineBytes = instruments.front()->lineTraffic().requestBytes;
  std::size_t answers = 0;
  for (auto& instrument : instruments) {
    lineBytes += instrument->lineTraffic().answerBytes;
    answers += instrument->lineTraffic().answers;
  }
  const double lineSeconds =
      std::chrono::duration<double>(sim::LineTime(lineBytes, bench::kBaudRate)).count() +
      static_cast<double>(answers) * bench::kTurnaroundMs / 1000.0;
  std::printf("three instruments on one line, %d rounds in %.2f s (line time %.2f s):\n",
              kLineRounds, seconds, lineSeconds);
  for (std::size_t k = 0; k < instruments.size(); ++k) {
    const auto polls = static_cast<double>(instruments[k]->lineTraffic().answers);
    std::printf("  address %zu: %.2f polls/s, bound %.2f polls/s, ratio %.3f\n", k + 1,
                polls / seconds, polls / lineSeconds, lineSeconds / seconds);
  }
  std::printf(
      "  (three simulators on three ptys that one link writes to and reads from in turn,\n"
      "   a millisecond each: the stand-in for one line with three instruments on it)\n");
  publisher.close(std::chrono::seconds(2));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  bench::BrokerRig brokers;
  std::printf("%u baud, %d ms turnaround, broker on 127.0.0.1:%d\n", bench::kBaudRate,
              bench::kTurnaroundMs, brokers.localBroker.port());
  const double overhead = PublishingOverhead(brokers);
  ThreeOnOneLine(brokers);
  return overhead < kOverheadGoal ? EXIT_SUCCESS : EXIT_FAILURE;
}
