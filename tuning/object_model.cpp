#include "tuning/object_model.h"

#include <cmath>
#include <numbers>

namespace zorkan::tuning {

namespace {

double PhaseLag(const ObjectModel& model, double omega) {
  return omega * model.delayS + std::atan(omega * model.lagS) + std::atan(omega * model.secondLagS);
}

}  // namespace

double AdvanceLags(const ObjectModel& model, LagState& state, double power, double seconds) {
  const double target = model.settledAt(power);
  const double t1 = model.lagS;
  const double decay1 = std::exp(-seconds / t1);
  const double away1 = state.first - target;
  state.first = target + away1 * decay1;
  if (model.secondLagS <= 0) return target * seconds + away1 * t1 * (1 - decay1);

  // Equal lags make the general solution singular; lags a thousandth apart behave the same.
  double t2 = model.secondLagS;
  if (std::abs(t1 - t2) < 1e-3 * t1) t2 = t1 * (1 - 1e-3);
  const double decay2 = std::exp(-seconds / t2);
  const double a = away1 * t1 / (t1 - t2);
  const double b = state.second - target - a;
  state.second = target + a * decay1 + b * decay2;
  return target * seconds + a * t1 * (1 - decay1) + b * t2 * (1 - decay2);
}

std::complex<double> FrequencyResponse(const ObjectModel& model, double omega) {
  const std::complex<double> j(0, 1);
  return model.gain * std::exp(-j * omega * model.delayS) / (1.0 + j * omega * model.lagS) /
         (1.0 + j * omega * model.secondLagS);
}

// The phase lag grows with the frequency, so bisection finds where it reaches half a turn.
UltimatePoint UltimatePointOf(const ObjectModel& model) {
  double low = 0;
  double high = 1;
  while (PhaseLag(model, high) < std::numbers::pi && high < 1e6) high *= 2;
  for (int i = 0; i < 200; ++i) {
    const double middle = (low + high) / 2;
    (PhaseLag(model, middle) < std::numbers::pi ? low : high) = middle;
  }
  const double omega = (low + high) / 2;
  return {1.0 / std::abs(FrequencyResponse(model, omega)), 2 * std::numbers::pi / omega};
}

}  // namespace zorkan::tuning
