// The publisher polling one instrument at 9600 baud as fast as the line allows, for ten minutes
// (or the seconds given), while its broker is stopped and started again twice: the values must
// reach the broker again after each restart, and the process must not grow by 1 MiB or more.
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "bench/bench_rig.h"
#include "bench/publish_rig.h"
#include "publish/line_publisher.h"

namespace {

using namespace zorkan;
using Steady = std::chrono::steady_clock;

constexpr int kDefaultSeconds = 600;
constexpr long kGrowthGoalKiB = 1024;

bool Never() {
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const int seconds = argc > 1 ? std::atoi(argv[1]) : kDefaultSeconds;
  if (seconds < 10) {
    std::fprintf(stderr, "usage: publish_soak_bench [SECONDS, at least 10; default %d]\n",
                 kDefaultSeconds);
    return EXIT_FAILURE;
  }
  const auto duration = std::chrono::seconds(seconds);
  // The first tenth fills the allocator's pools; the broker is away for a twentieth, twice.
  const auto warmUp = duration / 10;
  const auto away = duration / 20;
  const Steady::time_point start = Steady::now();
  const Steady::time_point stops[] = {start + duration / 3, start + 2 * duration / 3};

  bench::BenchRig rig;
  bench::BrokerRig brokers;
  LinePublisher publisher(rig.link, brokers.broker, "bench/soak", {1}, bench::BrokerRig::Note);
  long baselineKiB = 0;
  int restarts = 0;
  bool down = false;
  std::uint64_t publishedAtRestart = 0;
  bool resumedAfterEach = true;
  for (Steady::time_point now = start; now - start < duration; now = Steady::now()) {
    publisher.pollRound(Never);
    // The simulator keeps what it received for tests; here it is not wanted.
    rig.simulator.clearReceivedFrames();
    if (baselineKiB == 0 && now - start >= warmUp) baselineKiB = testing::ResidentKiB("self");
    if (!down && restarts < 2 && now >= stops[restarts]) {
      resumedAfterEach = resumedAfterEach && publisher.counts().published > publishedAtRestart;
      brokers.localBroker.stop();
      down = true;
    } else if (down && now >= stops[restarts] + away) {
      brokers.localBroker.start();
      down = false;
      ++restarts;
      publishedAtRestart = publisher.counts().published;
    }
  }
  resumedAfterEach = resumedAfterEach && publisher.counts().published > publishedAtRestart;
  const long endKiB = testing::ResidentKiB("self");
  const PublishCounts counts = publisher.counts();
  publisher.close(std::chrono::seconds(2));
  const long growth = endKiB - baselineKiB;
  std::printf(
      "%d s, broker restarted %d times: %llu messages published, %llu dropped; values "
      "reached the broker after each restart: %s\n",
      seconds, restarts, static_cast<unsigned long long>(counts.published),
      static_cast<unsigned long long>(counts.dropped), resumedAfterEach ? "yes" : "no");
  std::printf(
      "resident memory %ld KiB after the warm-up, %ld KiB at the end: %+ld KiB "
      "(goal under %ld)\n",
      baselineKiB, endKiB, growth, kGrowthGoalKiB);
  return growth < kGrowthGoalKiB && restarts == 2 && resumedAfterEach ? EXIT_SUCCESS : EXIT_FAILURE;
}
