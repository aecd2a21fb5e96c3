#pragma once
// Runs an operation repeatedly and gives the median wall time of one run.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace zorkan::bench {

template <typename Operation>
double MedianMilliseconds(int runs, Operation&& operation) {
  std::vector<double> times;
  times.reserve(static_cast<std::size_t>(runs));
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    operation();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Time of `bytes` on a line of `baudRate` with 10 bits a character, plus the instrument's
// turnaround once for each of `exchanges`.
inline double LineMilliseconds(std::size_t bytes, std::uint32_t baudRate, int exchanges,
                               int turnaroundMs) {
  return static_cast<double>(bytes) * 10.0 * 1000.0 / baudRate + exchanges * turnaroundMs;
}

inline void PrintRatio(const char* what, double medianMs, double lineMs) {
  std::printf("%-28s median %8.2f ms   line time %8.2f ms   ratio %.3f\n", what, medianMs, lineMs,
              medianMs / lineMs);
}

}  // namespace zorkan::bench
