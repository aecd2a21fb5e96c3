#include "sim/answer_collision.h"

#include <algorithm>
#include <vector>

namespace zorkan::sim {

namespace {

constexpr std::int64_t kBitsPerCharacter = 10;

// The level of the line at every tick from the earliest start to the end of the last stop bit.
std::vector<bool> LineLevels(std::span<const Transmission> transmissions) {
  std::int64_t first = transmissions.front().startTick;
  std::int64_t end = first;
  for (const Transmission& sent : transmissions) {
    first = std::min(first, sent.startTick);
    const auto characters = static_cast<std::int64_t>(sent.bytes.size());
    end = std::max(end, sent.startTick + characters * kBitsPerCharacter * kTicksPerBit);
  }
  std::vector<bool> levels(static_cast<std::size_t>(end - first), true);
  for (const Transmission& sent : transmissions) {
    std::int64_t bitStart = sent.startTick - first;
    for (const char byte : sent.bytes) {
      // The start bit, then the data bits from the least significant; the stop bit is idle level.
      const unsigned frame = static_cast<unsigned>(static_cast<std::uint8_t>(byte)) << 1 | 0x200u;
      for (std::int64_t bit = 0; bit < kBitsPerCharacter; ++bit, bitStart += kTicksPerBit) {
        if ((frame >> bit) & 1u) continue;
        std::fill_n(levels.begin() + bitStart, kTicksPerBit, false);
      }
    }
  }
  return levels;
}

}  // namespace

std::string HeardOnSharedLine(std::span<const Transmission> transmissions) {
  if (transmissions.empty()) return {};
  const std::vector<bool> levels = LineLevels(transmissions);
  const auto size = static_cast<std::int64_t>(levels.size());
  const auto level = [&](std::int64_t tick) {
    return tick >= size || levels[static_cast<std::size_t>(tick)];
  };
  std::string heard;
  std::int64_t tick = 0;
  while (tick < size) {
    if (level(tick)) {
      ++tick;
      continue;
    }
    const std::int64_t middle = tick + kTicksPerBit / 2;
    tick = middle;
    if (level(middle)) continue;  // too short for a start bit
    unsigned byte = 0;
    for (int bit = 0; bit < 8; ++bit) {
      if (level(middle + (bit + 1) * kTicksPerBit)) byte |= 1u << bit;
    }
    // Kept even when the stop bit is missing: a raw port hands such a character on as it came.
    heard += static_cast<char>(byte);
    // The hunt for the next start bit begins in the middle of the stop bit.
    tick = middle + (kBitsPerCharacter - 1) * kTicksPerBit;
  }
  return heard;
}

}  // namespace zorkan::sim
