#pragma once
// Where the plant finds its settings in the parameter memory.

#include "sim/parameter_memory.h"
#include "sim/plant.h"

namespace zorkan::sim {

PlantSettings ReadPlantSettings(const ParameterMemory& memory);

}  // namespace zorkan::sim
