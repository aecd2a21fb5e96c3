#include "tuning/sensitivity.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace zorkan::tuning {

namespace {

using Complex = std::complex<double>;

// The mean over, or the hold for, one period of `periodS` at s = jw.
Complex OnePeriod(Complex s, double periodS) {
  const Complex x = s * periodS;
  return std::abs(x) < 1e-9 ? Complex(1) : (1.0 - std::exp(-x)) / x;
}

}  // namespace

double MaxSensitivity(const ObjectModel& model, const StandardPid& pid, int pwmPeriodS) {
  const double periodS = std::max(1, pwmPeriodS);
  const double slowest = 1e-3 / (model.lagS + model.secondLagS + model.delayS + periodS);
  const double nyquist = std::numbers::pi / periodS;
  double largest = 1;
  for (double omega = slowest; omega < nyquist; omega *= 1.01) {
    const Complex s(0, omega);
    const Complex integral = pid.integralS > 0 ? 1.0 / (s * pid.integralS) : Complex(0);
    const Complex slope = s * std::exp(-s * periodS / 2.0) / (1.0 + s * pid.derivativeS / 4.0);
    const Complex regulator = pid.gain * (1.0 + integral + pid.derivativeS * slope);
    const Complex period = OnePeriod(s, periodS);
    const Complex loop = regulator * FrequencyResponse(model, omega) * period * period;
    largest = std::max(largest, 1.0 / std::abs(1.0 + loop));
  }
  return largest;
}

}  // namespace zorkan::tuning
