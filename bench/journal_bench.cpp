// What a journal entry adds to a whole read or write: the recording of one entry, in an empty
// journal and in a full one (where each entry also prunes the oldest), against a whole read over a
// pty from the simulator at 9600 baud. The goal: under 5 ms, and under 1 % of the read.
#include <stdlib.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_rig.h"
#include "journal/journal.h"
#include "settings/settings_transfer.h"

namespace {

using namespace zorkan;

class NoPanel final : public ProgressPanel {
 public:
  void setLines(const ProgressLines&) override {}
  void setVisible(bool) override {}
  void processPendingEvents() override {}
};

// A folder of its own, removed at the end.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "journal-bench-XXXXXX");
    path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TemporaryFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

struct Times {
  double medianMs = 0;
  double worstMs = 0;
};

template <typename Operation>
Times Time(int runs, Operation&& operation) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    operation();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.back()};
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  bench::BenchRig rig;
  NoPanel panel;
  CancelLatch latch;
  Progress progress(panel, latch);
  DeviceSettings settings;
  SettingsTransfer transfer{rig.link, progress, settings};
  constexpr int kReadRuns = 3;
  const bench::Measurement read =
      bench::Measure(rig.simulator, kReadRuns, [&] { return readAllSettings(transfer) == kOk; });

  TemporaryFolder folder;
  Journal journal(folder.path(), rig.clock);
  const JournalLink link{"1", 1, bench::kBaudRate};
  int failures = read.failures;
  const auto recordRead = [&] {
    failures += journal.recordRead(link, kOk, settings).recorded ? 0 : 1;
  };
  const auto recordWrite = [&] {
    failures += journal.recordWrite(link, kOk, settings).recorded ? 0 : 1;
  };
  // In a full journal every hundredth entry prunes the oldest hundred: the worst time.
  constexpr int kRecordRuns = 200;
  const Times empty = Time(50, recordRead);
  while (journal.entries().size() < Journal::kMostEntries) recordWrite();
  const Times fullRead = Time(kRecordRuns, recordRead);
  const Times fullWrite = Time(kRecordRuns, recordWrite);
  const Times listing = Time(5, [&] { (void)journal.entries(); });
  const Times rebuild = Time(5, [&] {
    std::filesystem::remove(folder.path() / "index.txt");
    (void)journal.entries();
  });

  std::printf("%u baud, %d ms turnaround, whole read median of %d runs\n", bench::kBaudRate,
              bench::kTurnaroundMs, kReadRuns);
  bench::PrintMeasurement("readAllSettings", read);
  std::printf("one entry, median of %d and worst          median      of the read   worst\n",
              kRecordRuns);
  const auto print = [&](const char* what, const Times& times) {
    const double share = 100.0 * times.medianMs / read.medianMs;
    std::printf("%-40s %8.3f ms %8.3f %% %9.3f ms   %s\n", what, times.medianMs, share,
                times.worstMs, times.medianMs < 5.0 && share < 1.0 ? "goal met" : "GOAL MISSED");
  };
  print("read entry, first 50 of a journal", empty);
  print("read entry, full journal", fullRead);
  print("write entry, full journal", fullWrite);
  std::printf("%-40s %8.3f ms\n", "listing 2,000 entries", listing.medianMs);
  std::printf("%-40s %8.3f ms\n", "listing 2,000 with the index rebuilt", rebuild.medianMs);
  return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
