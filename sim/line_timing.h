#pragma once
// Time that bytes take on the serial line.

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace zorkan::sim {

// One start bit, eight data bits, one stop bit. Baud 0 means an unpaced line.
inline std::chrono::nanoseconds LineTime(std::size_t bytes, std::uint32_t baudRate) {
  if (baudRate == 0) return std::chrono::nanoseconds(0);
  return std::chrono::nanoseconds(static_cast<std::int64_t>(bytes) * 10'000'000'000LL / baudRate);
}

// How the instrument's answers are paced: a request takes its line time to arrive, the answer
// starts after the turnaround and its bytes follow one another at the baud rate.
struct LinePacing {
  std::uint32_t baudRate = 9600;  // 0: no pacing, and every speed is understood
  std::chrono::milliseconds turnaround{2};
};

}  // namespace zorkan::sim
