#include "sim/live_block.h"

#include <algorithm>

#include "link/frame.h"

namespace zorkan::sim {

LiveBlock EncodeLiveBlock(const PlantReading& reading) {
  LiveBlock block{};
  block[2] = reading.relays;
  block[3] = 0;  // no key pressed, encoder at rest
  for (int channel = 0; channel < 2; ++channel) {
    const int at = 4 + 6 * channel;
    const FloatBytes bytes = FloatToWire(reading.values[channel]);
    std::copy(bytes.begin(), bytes.end(), block.begin() + at);
    block[at + 4] = reading.statuses[channel];
    block[at + 5] = reading.flags[channel];
  }
  return block;
}

}  // namespace zorkan::sim
