#pragma once
// Everything that depends on the baud rate, in one place.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace zorkan {

struct PortTiming {
  std::uint32_t baudRate;
  int charTimeoutMs;  // per-character time-out of reads and writes

  // A read or write of n bytes may take n + 1 character time-outs.
  int transferTimeoutMs(std::size_t bytes) const {
    return charTimeoutMs * static_cast<int>(bytes) + charTimeoutMs;
  }
  // The time n bytes take on the line, ten bits each (8N1), rounded up.
  int lineTimeMs(std::size_t bytes) const {
    return static_cast<int>((bytes * 10 * 1000 + baudRate - 1) / baudRate);
  }
};

// Every baud rate the link supports, slowest first.
std::span<const PortTiming> PortTimings();

// nullopt for a baud rate the link does not support.
std::optional<PortTiming> PortTimingFor(std::uint32_t baudRate);

}  // namespace zorkan
