#include "sim/plant_settings.h"

namespace zorkan::sim {

namespace {

double FloatAt(const ParameterMemory& memory, unsigned number) {
  return memory.floatValue(2, number).value_or(0.0f);
}

int ByteAt(const ParameterMemory& memory, int space, unsigned number) {
  return memory.byteValue(space, number).value_or(0);
}

}  // namespace

// The regulator borrows channel 1's setpoint, hysteresis and polynomial parameters.
PlantSettings ReadPlantSettings(const ParameterMemory& memory) {
  PlantSettings settings;
  settings.regulatedValue = FloatAt(memory, 29);
  settings.proportionalGain = FloatAt(memory, 30);
  settings.zone = FloatAt(memory, 37);
  settings.differentiationS = FloatAt(memory, 6);
  settings.integrationS = FloatAt(memory, 7);
  settings.pwmPeriodS = ByteAt(memory, 2, 337);
  settings.manualRelay = ByteAt(memory, 1, 17);
  settings.manualDuty = ByteAt(memory, 1, 18);
  for (unsigned relay = 0; relay < 2; ++relay) {
    for (unsigned channel = 0; channel < 2; ++channel) {
      settings.relayMasks[relay][channel] =
          static_cast<std::uint8_t>(ByteAt(memory, 2, 6 + 2 * relay + channel));
    }
  }
  for (unsigned channel = 0; channel < 2; ++channel) {
    for (unsigned setpoint = 0; setpoint < 2; ++setpoint) {
      const unsigned offset = 4 * channel + setpoint;
      settings.setpoints[channel][setpoint] = {ByteAt(memory, 2, 327 + offset),
                                               FloatAt(memory, 29 + offset),
                                               FloatAt(memory, 37 + offset)};
    }
    settings.channelEnabled[channel] = ByteAt(memory, 2, 341 + channel) != 0;
  }
  return settings;
}

}  // namespace zorkan::sim
