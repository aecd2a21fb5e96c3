#include "tuning/regulator_form.h"

#include <algorithm>

namespace zorkan::tuning {

namespace {

constexpr double kBias = 50.0;

}  // namespace

StandardPid StandardFormOf(const RegulatorCoefficients& c) {
  const double perDegree = kBias / c.zone;
  StandardPid pid;
  pid.gain = perDegree * c.proportional;
  pid.integralS = c.integrationS > 0 ? c.proportional * c.integrationS : 0;
  pid.derivativeS = c.differentiationS / c.proportional;
  return pid;
}

RegulatorCoefficients RegulatorFormOf(const StandardPid& pid, double zone, int pwmPeriodS) {
  RegulatorCoefficients c;
  c.zone = zone;
  c.proportional = pid.gain * zone / kBias;
  c.integrationS = pid.integralS > 0 ? pid.integralS / c.proportional : 0;
  c.differentiationS = pid.derivativeS * c.proportional;
  c.pwmPeriodS = pwmPeriodS;
  return c;
}

double RegulatorState::duty(const RegulatorCoefficients& c, double setpoint, double measured) {
  const double periodS = std::max(1, c.pwmPeriodS);
  if (hasLast_) {
    const double raw = (measured - last_) / periodS;
    slope_ += (raw - slope_) * periodS / (periodS + c.differentiationS / 4.0);
  }
  hasLast_ = true;
  last_ = measured;

  const double error = setpoint - measured;
  if (c.zone <= 0) return error > 0 ? 100.0 : 0.0;
  if (error > c.zone) return 100.0;
  if (error < -c.zone) return 0.0;
  const double perDegree = kBias / c.zone;
  const double rest = kBias + perDegree * (c.proportional * error - c.differentiationS * slope_);
  if (c.integrationS <= 0) {
    integral_ = 0;
  } else {
    const double next = integral_ + perDegree * error * periodS / c.integrationS;
    const double output = rest + next;
    if (!(output > 100.0 && error > 0) && !(output < 0.0 && error < 0)) integral_ = next;
  }
  return std::clamp(rest + integral_, 0.0, 100.0);
}

void RegulatorState::settle(const RegulatorCoefficients& c, double setpoint, double duty) {
  hasLast_ = true;
  last_ = setpoint;
  slope_ = 0;
  integral_ = c.integrationS > 0 ? duty - kBias : 0;
}

}  // namespace zorkan::tuning
