#pragma once
// Live data block 2 as an instrument sends it, for tests that fix what it says.

#include <cstdint>

#include "link/answer_parser.h"
#include "link/frame.h"

namespace zorkan::testing {

inline DataBlock LiveBlockWith(std::uint8_t relays, float channel1, std::uint8_t status1,
                               std::uint8_t flags1, float channel2, std::uint8_t status2,
                               std::uint8_t flags2) {
  DataBlock block{0xAA, 0xBB, relays, 0x25};
  const auto put = [&](std::size_t at, float value) {
    const FloatBytes bytes = FloatToWire(value);
    for (std::size_t k = 0; k < bytes.size(); ++k) block[at + k] = bytes[k];
  };
  put(4, channel1);
  block[8] = status1;
  block[9] = flags1;
  put(10, channel2);
  block[14] = status2;
  block[15] = flags2;
  return block;
}

}  // namespace zorkan::testing
