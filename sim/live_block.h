#pragma once
// Data block 2: the live values the tool polls twice a second.

#include <array>
#include <cstdint>

#include "sim/plant.h"

namespace zorkan::sim {

using LiveBlock = std::array<std::uint8_t, 16>;

LiveBlock EncodeLiveBlock(const PlantReading& reading);

}  // namespace zorkan::sim
