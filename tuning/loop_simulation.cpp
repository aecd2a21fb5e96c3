#include "tuning/loop_simulation.h"

#include <algorithm>
#include <cmath>

namespace zorkan::tuning {

namespace {

// The instrument switches its relay in steps of this.
constexpr double kSwitchStepS = 0.01;

}  // namespace

ModelLoop::ModelLoop(const ObjectModel& model, const RegulatorCoefficients& coefficients,
                     double temperature, DutyResolution resolution)
    : model_(model),
      coefficients_(coefficients),
      periodS_(std::max(1, coefficients.pwmPeriodS)),
      switchStepS_(resolution == DutyResolution::Instrument ? kSwitchStepS : 0),
      lags_{temperature, temperature},
      lastMean_(temperature) {
  const double duty = std::clamp(model.holdingPower(temperature), 0.0, 100.0);
  // The PWM of the holding duty since long before, so that the lags start from the ripple they
  // would have: started from the mean itself, they would see the first pulse as a disturbance.
  const double onS = duty / 100.0 * periodS_;
  const double pastS = 5 * (model.lagS + model.secondLagS) + model.delayS + periodS_;
  const double firstS = -std::ceil(pastS / periodS_) * periodS_;
  heater_.push_back({firstS - model.delayS, 0.0});
  for (double startS = firstS; startS < 0; startS += periodS_) {
    if (onS > 0) heater_.push_back({startS, 100.0});
    if (onS < periodS_) heater_.push_back({startS + onS, 0.0});
  }
  nowS_ = firstS + model.delayS;
  advance(-nowS_);
  regulator_.settle(coefficients, temperature, duty);
}

std::vector<double> ModelLoop::run(double setpoint, int periods) {
  std::vector<double> means;
  means.reserve(static_cast<std::size_t>(std::max(0, periods)));
  for (int period = 0; period < periods; ++period) {
    const double duty = regulator_.duty(coefficients_, setpoint, lastMean_);
    const double exactS = duty / 100.0 * periodS_;
    const double onS = switchStepS_ > 0 ? std::round(exactS / switchStepS_) * switchStepS_ : exactS;
    if (onS > 0) heater_.push_back({nowS_, 100.0});
    if (onS < periodS_) heater_.push_back({nowS_ + onS, 0.0});
    lastMean_ = advance(periodS_) / periodS_;
    means.push_back(lastMean_);
  }
  return means;
}

double ModelLoop::advance(double seconds) {
  const double endS = nowS_ + seconds;
  double integral = 0;
  while (nowS_ < endS) {
    // The heater's power at the object changes when the next switching has crossed the dead time.
    while (heater_.size() > 1 && heater_[1].atS + model_.delayS <= nowS_) heater_.pop_front();
    const double changeS =
        heater_.size() > 1 ? std::min(endS, heater_[1].atS + model_.delayS) : endS;
    integral += AdvanceLags(model_, lags_, heater_.front().power, changeS - nowS_);
    nowS_ = changeS;
  }
  return integral;
}

}  // namespace zorkan::tuning
