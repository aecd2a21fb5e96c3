// Profile save and load of a file that holds every key, and the load of a missing profile that
// writes the default profile first, each in a temporary folder.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "profiles/profile.h"

namespace {

using namespace zorkan;

constexpr int kRuns = 31;

// Median milliseconds of `operation`; `prepare` runs untimed before each run. Any failed run
// fails the benchmark.
template <typename Prepare, typename Operation>
double MedianMs(bool& ok, Prepare&& prepare, Operation&& operation) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    ok = operation() && ok;
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  std::string pattern = (std::filesystem::temp_directory_path() / "profile-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) return EXIT_FAILURE;
  const std::filesystem::path folder = pattern;

  // The built-in profile saved over: every key a profile can hold.
  bool ok = WriteBuiltinProfile(folder);
  const std::filesystem::path full = BuiltinProfilePath(folder);
  DeviceSettings settings;
  ok = LoadProfile(full, settings) && SaveProfile(full, settings) && ok;
  const auto nothing = [] {};

  const double save = MedianMs(ok, nothing, [&] { return SaveProfile(full, settings); });
  const double load = MedianMs(ok, nothing, [&] { return LoadProfile(full, settings); });
  const std::filesystem::path missing = RecentProfilePath(folder);
  const double loadMissing = MedianMs(
      ok, [&] { std::filesystem::remove(missing); },
      [&] { return LoadProfile(missing, settings); });

  std::printf("median of %d runs\n", kRuns);
  std::printf("%-34s %8.2f ms\n", "SaveProfile (full profile)", save);
  std::printf("%-34s %8.2f ms\n", "LoadProfile (full profile)", load);
  std::printf("%-34s %8.2f ms\n", "LoadProfile (missing profile)", loadMissing);
  std::filesystem::remove_all(folder);
  if (!ok) std::printf("a save or load failed\n");
  return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
