#include "workflows/regulator_parameters.h"

#include "settings/parameter_map.h"
#include "settings/parameter_transfer.h"

namespace zorkan {

namespace {

constexpr std::int32_t kHeaterMaskBit = 0x10;
constexpr int kTimeCoefficient = 1;      // of channel 1's polynomial: T  дифф
constexpr int kIntegralCoefficient = 2;  // T инт

}  // namespace

LinkError ReadRegulatorParameters(DeviceLink& link, RegulatorParameters& parameters) {
  float proportional = 0;
  float zone = 0;
  float differentiation = 0;
  float integration = 0;
  std::int32_t period = 0;
  std::int32_t masks[kRelayCount] = {};
  RegulatorParameters read;
  LinkError result = ReadParameter(link, Setpoint1Param(0), read.regulatedValue);
  if (result == kOk) result = ReadParameter(link, Setpoint2Param(0), proportional);
  if (result == kOk) result = ReadParameter(link, Hysteresis1Param(0), zone);
  if (result == kOk) {
    result = ReadParameter(link, PolynomialParam(0, kTimeCoefficient), differentiation);
  }
  if (result == kOk) {
    result = ReadParameter(link, PolynomialParam(0, kIntegralCoefficient), integration);
  }
  if (result == kOk) result = ReadParameter(link, RegulationIntervalParam(0), period);
  for (int relay = 0; relay < kRelayCount && result == kOk; ++relay) {
    result = ReadParameter(link, RelayMaskParam(relay, 0), masks[relay]);
  }
  if (result == kOk) result = ReadParameter(link, PwmControlWordParam(), read.pwmControlWord);
  if (result == kOk) result = ReadParameter(link, PwmDutyParam(), read.pwmDuty);
  if (result != kOk) return result;
  read.coefficients = {proportional, zone, integration, differentiation, period};
  for (int relay = kRelayCount - 1; relay >= 0; --relay) {
    if (masks[relay] & kHeaterMaskBit) read.heaterRelay = relay + 1;
  }
  parameters = read;
  return kOk;
}

tuning::RegulatorCoefficients CoefficientsOf(const DeviceSettings& settings) {
  const ChannelSettings& regulator = settings.channels[0];
  return {regulator.setpoint2, regulator.hysteresis1, regulator.polynomial[kIntegralCoefficient],
          regulator.polynomial[kTimeCoefficient], regulator.regulationInterval};
}

void SetCoefficients(DeviceSettings& settings, const tuning::RegulatorCoefficients& coefficients) {
  ChannelSettings& regulator = settings.channels[0];
  regulator.setpoint2 = static_cast<float>(coefficients.proportional);
  regulator.hysteresis1 = static_cast<float>(coefficients.zone);
  regulator.polynomial[kIntegralCoefficient] = static_cast<float>(coefficients.integrationS);
  regulator.polynomial[kTimeCoefficient] = static_cast<float>(coefficients.differentiationS);
}

}  // namespace zorkan
