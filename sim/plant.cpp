#include "sim/plant.h"

#include <algorithm>

namespace zorkan::sim {

namespace {

constexpr double kStepS = std::chrono::duration<double>(Plant::kStep).count();
constexpr std::uint8_t kHeaterBit = 0x10;
constexpr std::uint8_t kEventBits = 0x07;
constexpr std::uint8_t kStatusDisabled = 12;

bool Flag(const SetpointSettings& setpoint, double value, bool wasOn) {
  switch (setpoint.type) {
    case 1:
      if (value < setpoint.value) return true;
      if (value > setpoint.value + setpoint.hysteresis) return false;
      return wasOn;
    case 2:
      if (value > setpoint.value) return true;
      if (value < setpoint.value - setpoint.hysteresis) return false;
      return wasOn;
  }
  return false;
}

}  // namespace

Plant::Plant(const PlantOptions& options) : object_(options, kStepS) {
  const auto ambient = static_cast<float>(options.ambient);
  reading_.values = {ambient, ambient};  // until the first measurement
}

void Plant::advanceTo(std::chrono::nanoseconds elapsed, const PlantSettings& settings) {
  const std::int64_t target = elapsed / kStep;
  while (steps_ < target) step(settings);
}

void Plant::step(const PlantSettings& settings) {
  if (steps_ - periodStart_ >= periodSteps_) startPwmPeriod(settings);
  pwmOn_ = steps_ - periodStart_ < onSteps_;
  measure(settings, static_cast<double>(steps_) * kStepS);
  reading_.relays = relayStates(settings);

  // The heater hangs on whichever relay the regulator's output is assigned to.
  bool heating = false;
  for (int relay = 0; relay < 2; ++relay) {
    if ((settings.relayMasks[relay][0] & kHeaterBit) && (reading_.relays & (1 << relay))) {
      heating = true;
    }
  }
  object_.step(heating);
  ++steps_;
}

void Plant::startPwmPeriod(const PlantSettings& settings) {
  const int periodS = std::max(1, settings.pwmPeriodS);
  periodSteps_ = static_cast<std::int64_t>(periodS) * 1000 / kStep.count();
  periodStart_ = steps_;

  // The regulator sees the mean over the last period, so the PWM ripple does not reach it.
  const double measured =
      measuredCount_ > 0 ? measuredSum_ / measuredCount_ : object_.temperature();
  measuredSum_ = 0;
  measuredCount_ = 0;

  double duty = 0;
  if (settings.manualRelay == 1 || settings.manualRelay == 2) {
    duty = std::clamp(settings.manualDuty, 0, 100);
    lastMeasured_ = measured;
  } else if (settings.channelEnabled[0]) {
    duty = pidDuty(settings, measured, periodS);
  }
  onSteps_ = std::llround(duty / 100.0 * static_cast<double>(periodSteps_));
}

double Plant::pidDuty(const PlantSettings& settings, double measured, double periodS) {
  if (lastMeasured_) {
    // A filtered slope: the raw difference of two periods is too jumpy for the derivative term.
    const double raw = (measured - *lastMeasured_) / periodS;
    slope_ += (raw - slope_) * periodS / (periodS + settings.differentiationS / 4.0);
  }
  lastMeasured_ = measured;

  const double error = settings.regulatedValue - measured;
  if (settings.zone <= 0) return error > 0 ? 100.0 : 0.0;
  if (error > settings.zone) return 100.0;
  if (error < -settings.zone) return 0.0;

  const double perDegree = 50.0 / settings.zone;
  const double proportional = perDegree * settings.proportionalGain * error;
  const double derivative = -perDegree * settings.differentiationS * slope_;
  if (settings.integrationS <= 0) {
    integral_ = 0;
  } else {
    const double integral = integral_ + perDegree * error * periodS / settings.integrationS;
    const double output = 50.0 + proportional + integral + derivative;
    // Anti-windup: the integral may not drive an output that is already at its limit further.
    if (!(output > 100.0 && error > 0) && !(output < 0.0 && error < 0)) integral_ = integral;
  }
  return std::clamp(50.0 + proportional + integral_ + derivative, 0.0, 100.0);
}

void Plant::measure(const PlantSettings& settings, double timeS) {
  for (int channel = 0; channel < 2; ++channel) {
    if (!settings.channelEnabled[channel]) {
      reading_.values[channel] = 0;
      reading_.statuses[channel] = kStatusDisabled;
      reading_.flags[channel] = 0;
      continue;
    }
    const double value = object_.measured(channel, timeS);
    reading_.values[channel] = static_cast<float>(value);
    reading_.statuses[channel] = 0;
    std::uint8_t flags = 0;
    for (int setpoint = 0; setpoint < 2; ++setpoint) {
      const bool wasOn = reading_.flags[channel] & (1 << setpoint);
      if (Flag(settings.setpoints[channel][setpoint], value, wasOn)) flags |= 1 << setpoint;
    }
    reading_.flags[channel] = flags;
    if (channel == 0) {
      measuredSum_ += value;
      ++measuredCount_;
    }
  }
}

std::uint8_t Plant::relayStates(const PlantSettings& settings) const {
  const bool manual = settings.manualRelay == 1 || settings.manualRelay == 2;
  std::uint8_t relays = 0;
  for (int relay = 0; relay < 2; ++relay) {
    const auto& masks = settings.relayMasks[relay];
    const bool pwm = manual ? settings.manualRelay == relay + 1 : (masks[0] & kHeaterBit) != 0;
    const bool on = (pwm && pwmOn_) || (masks[0] & reading_.flags[0] & kEventBits) ||
                    (masks[1] & reading_.flags[1] & kEventBits);
    if (on) relays |= 1 << relay;
  }
  return relays;
}

}  // namespace zorkan::sim
