#include "sim/plant_settings.h"

#include "sim/parameter_table.h"

namespace zorkan::sim {

namespace {

using P = Parameters;

double FloatOf(const ParameterMemory& memory, const ParameterRow& row, int channel = 0) {
  return memory.floatValue(row.space, row.numberOf(channel)).value_or(0.0f);
}

int ByteOf(const ParameterMemory& memory, const ParameterRow& row, int channel = 0) {
  return memory.byteValue(row.space, row.numberOf(channel)).value_or(0);
}

}  // namespace

// The regulator borrows channel 1's setpoint, hysteresis and polynomial parameters.
PlantSettings ReadPlantSettings(const ParameterMemory& memory) {
  PlantSettings settings;
  settings.regulatedValue = FloatOf(memory, P::kSetpoint1);
  settings.proportionalGain = FloatOf(memory, P::kSetpoint2);
  settings.zone = FloatOf(memory, P::kHysteresis1);
  settings.differentiationS = FloatOf(memory, P::kPolynomial1);
  settings.integrationS = FloatOf(memory, P::kPolynomial2);
  settings.pwmPeriodS = ByteOf(memory, P::kRegulatorInterval);
  settings.manualRelay = ByteOf(memory, P::kPwmControlWord);
  settings.manualDuty = ByteOf(memory, P::kPwmDuty);
  for (int channel = 0; channel < 2; ++channel) {
    const auto c = static_cast<std::size_t>(channel);
    settings.relayMasks[0][c] = static_cast<std::uint8_t>(ByteOf(memory, P::kRelay1Masks, channel));
    settings.relayMasks[1][c] = static_cast<std::uint8_t>(ByteOf(memory, P::kRelay2Masks, channel));
    settings.setpoints[c][0] = {ByteOf(memory, P::kSetpointType1, channel),
                                FloatOf(memory, P::kSetpoint1, channel),
                                FloatOf(memory, P::kHysteresis1, channel)};
    settings.setpoints[c][1] = {ByteOf(memory, P::kSetpointType2, channel),
                                FloatOf(memory, P::kSetpoint2, channel),
                                FloatOf(memory, P::kHysteresis2, channel)};
    settings.channelEnabled[c] = ByteOf(memory, P::kChannelEnable, channel) != 0;
  }
  return settings;
}

}  // namespace zorkan::sim
