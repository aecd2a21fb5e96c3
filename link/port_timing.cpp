#include "link/port_timing.h"

#include <array>

namespace zorkan {

namespace {

// A character takes 10 bit times (8N1); each time-out is that with a margin for the instrument's
// pauses between characters. 57600 baud keeps the same margin ratio as 38400: 0.17 ms a character,
// 2 ms time-out, 66 ms for a 32-byte read.
constexpr std::array<PortTiming, 5> kPortTimings{{
    {4800, 12},
    {9600, 9},
    {19200, 5},
    {38400, 3},
    {57600, 2},
}};

}  // namespace

std::span<const PortTiming> PortTimings() {
  return kPortTimings;
}

std::optional<PortTiming> PortTimingFor(std::uint32_t baudRate) {
  for (const PortTiming& timing : kPortTimings) {
    if (timing.baudRate == baudRate) return timing;
  }
  return std::nullopt;
}

}  // namespace zorkan
