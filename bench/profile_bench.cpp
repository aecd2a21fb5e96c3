// Profile save and load of a file that holds every key, the load of a missing profile that writes
// the default profile first, and the load of a large file of garbage, each in a temporary folder.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "profiles/profile.h"
#include "tests/support/scratch_folder.h"

namespace {

using namespace zorkan;

constexpr int kRuns = 31;

// Median milliseconds of `operation`; `prepare` runs untimed before each run. Any failed run
// fails the benchmark.
template <typename Prepare, typename Operation>
double MedianMs(bool& ok, int runs, Prepare&& prepare, Operation&& operation) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
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

// Random bytes: long lines, now and then a bracket or an equals sign, no profile worth the name.
void WriteGarbage(const std::filesystem::path& path, std::size_t size) {
  std::mt19937 random(20);
  std::string bytes(size, ' ');
  for (char& c : bytes) c = static_cast<char>(random());
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
}

void PrintFigure(const char* what, double ms, double limitMs) {
  std::printf("%-34s %8.2f ms   (limit %.0f ms)%s\n", what, ms, limitMs,
              ms < limitMs ? "" : "   TOO SLOW");
}

}  // namespace

int main() {
  const testing::ScratchFolder scratch;
  const std::filesystem::path& folder = scratch.path();

  // The built-in profile saved over: every key a profile can hold.
  bool ok = WriteBuiltinProfile(folder);
  const std::filesystem::path full = BuiltinProfilePath(folder);
  DeviceSettings settings;
  ok = LoadProfile(full, settings) && SaveProfile(full, settings) && ok;
  const auto nothing = [] {};

  const double save = MedianMs(ok, kRuns, nothing, [&] { return SaveProfile(full, settings); });
  const double load = MedianMs(ok, kRuns, nothing, [&] { return LoadProfile(full, settings); });
  const std::filesystem::path missing = RecentProfilePath(folder);
  const double loadMissing = MedianMs(
      ok, kRuns, [&] { std::filesystem::remove(missing); },
      [&] { return LoadProfile(missing, settings); });
  constexpr std::size_t kGarbageSize = 20 << 20;
  const std::filesystem::path garbage = folder / "garbage.prf";
  const double loadGarbage = MedianMs(
      ok, 1, [&] { WriteGarbage(garbage, kGarbageSize); },
      [&] { return LoadProfile(garbage, settings); });

  std::printf("median of %d runs\n", kRuns);
  PrintFigure("SaveProfile (full profile)", save, 5);
  PrintFigure("LoadProfile (full profile)", load, 5);
  std::printf("%-34s %8.2f ms\n", "LoadProfile (missing profile)", loadMissing);
  std::printf("one run\n");
  PrintFigure("LoadProfile (20 MiB of garbage)", loadGarbage, 2000);
  if (!ok) std::printf("a save or load failed\n");
  return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
