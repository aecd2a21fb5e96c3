#pragma once
// Time a number of bytes takes on the serial line.

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace zorkan::sim {

// One start bit, eight data bits, one stop bit. Baud 0 means an unpaced line.
inline std::chrono::nanoseconds LineTime(std::size_t bytes, std::uint32_t baudRate) {
  if (baudRate == 0) return std::chrono::nanoseconds(0);
  return std::chrono::nanoseconds(static_cast<std::int64_t>(bytes) * 10'000'000'000LL / baudRate);
}

}  // namespace zorkan::sim
