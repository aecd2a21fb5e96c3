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
#include "link/qt_serial_port.h"
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
  // One pty, three instruments on it, each with its own serial number and so its own topics and
  // connection.
  sim::Simulator line({.networkAddress = 1,
                       .baudRate = bench::kBaudRate,
                       .turnaroundMs = bench::kTurnaroundMs,
                       .moreAddresses = {2, 3}});
  QtSerialPort port;
  SystemClock clock;
  DeviceLink link(port, clock, ".");
  link.openPortAt(line.devicePath(), bench::kBaudRate);
  link.setParameters(LinkParameters{});
  LinePublisher publisher(link, brokers.broker, "bench/line", {1, 2, 3}, bench::BrokerRig::Note);
  WarmUp(publisher);
  line.clearReceivedFrames();
  const auto start = Steady::now();
  for (int round = 0; round < kLineRounds; ++round) publisher.pollRound(Never);
  const double seconds = std::chrono::duration<double>(Steady::now() - start).count();

  const sim::LineTraffic traffic = line.lineTraffic();
  const double lineSeconds =
      std::chrono::duration<double>(
          sim::LineTime(traffic.requestBytes + traffic.answerBytes, bench::kBaudRate))
          .count() +
      static_cast<double>(traffic.answers) * bench::kTurnaroundMs / 1000.0;
  // The line time of all three bounds each one's rate: a poll of one waits for the others'.
  std::printf("three instruments on one line, %d rounds in %.2f s (line time %.2f s):\n",
              kLineRounds, seconds, lineSeconds);
  const std::vector<std::string> frames = line.receivedFrames();
  for (std::uint32_t address = 1; address <= 3; ++address) {
    // Built by appending: GCC 12's Release build warns about the sum of these strings.
    std::string liveRead = ":";
    liveRead += std::to_string(address);
    liveRead += ";37;00E002;";
    const auto polls = static_cast<double>(std::count_if(
        frames.begin(), frames.end(),
        [&](const std::string& frame) { return frame.find(liveRead) != std::string::npos; }));
    std::printf("  address %u: %.2f polls/s, bound %.2f polls/s, ratio %.3f\n", address,
                polls / seconds, polls / lineSeconds, lineSeconds / seconds);
  }
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
