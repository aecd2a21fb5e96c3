#pragma once
// Answers of several instruments at once on the one pair of wires, as the tool's receiver hears
// them: the classic result of two instruments left at one address.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zorkan::sim {

// A receiver samples the line this many times per bit, as a UART does.
constexpr std::int64_t kTicksPerBit = 16;

struct Transmission {
  std::string_view bytes;  // sent back to back, one start bit, eight data bits, one stop bit each
  std::int64_t startTick;  // when the first start bit begins
};

// The line idles at mark (1) and is 0 while any driver sends 0. The receiver takes each fall to 0
// for a start bit and samples the middle of each bit from there, so overlapping characters come
// out as other characters, sometimes more or fewer of them.
std::string HeardOnSharedLine(std::span<const Transmission> transmissions);

}  // namespace zorkan::sim
