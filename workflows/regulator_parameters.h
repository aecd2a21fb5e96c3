#pragma once
// The regulator's numbers in the instrument and in the settings model, as the tuner sees them, and
// the heater that its PWM drives.

#include <cstdint>

#include "link/device_link.h"
#include "settings/device_settings.h"
#include "tuning/regulator_form.h"

namespace zorkan {

struct RegulatorParameters {
  float regulatedValue = 0;
  tuning::RegulatorCoefficients coefficients;
  // 1 or 2: the relay whose channel-1 mask carries the regulator's PWM (bit 0x10); 0: none.
  int heaterRelay = 0;
  std::int32_t pwmControlWord = 0;
  std::int32_t pwmDuty = 0;
};

LinkError ReadRegulatorParameters(DeviceLink& link, RegulatorParameters& parameters);

tuning::RegulatorCoefficients CoefficientsOf(const DeviceSettings& settings);
// Kp, zone, T инт and T  дифф into channel 1's fields; the PWM period is left as it is.
void SetCoefficients(DeviceSettings& settings, const tuning::RegulatorCoefficients& coefficients);

}  // namespace zorkan
