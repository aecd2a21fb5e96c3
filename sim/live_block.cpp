#include "sim/live_block.h"

#include "link/frame.h"

namespace zorkan::sim {

LiveBlock EncodeLiveBlock(const PlantReading& reading) {
  LiveBlock block{};
  block[2] = reading.relays;
  block[3] = 0;  // no key pressed, encoder at rest
  for (int channel = 0; channel < 2; ++channel) {
    const int at = 4 + 6 * channel;
    const std::uint32_t bits = FloatToBits(reading.values[channel]);
    for (int i = 0; i < 4; ++i) block[at + i] = static_cast<std::uint8_t>(bits >> (24 - 8 * i));
    block[at + 4] = reading.statuses[channel];
    block[at + 5] = reading.flags[channel];
  }
  return block;
}

}  // namespace zorkan::sim
