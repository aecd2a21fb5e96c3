#include "tuning/coefficient_design.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tuning/nelder_mead.h"
#include "tuning/sensitivity.h"
#include "tuning/step_response.h"

namespace zorkan::tuning {

namespace {

constexpr double kPenalty = 1e6;

double Rounded(double value, double step) {
  return std::round(value / step) * step;
}

// Skogestad's SIMC with the closed loop as fast as the dead time allows (tau_c = theta): a PI
// for a first-order model, a series PID with Td = the second lag for a second-order one, turned
// into the ideal form the regulator has.
StandardPid Simc(const ObjectModel& model, double deadTimeS) {
  const double closedLoopS = deadTimeS;
  const double gain = model.lagS / (model.gain * (closedLoopS + deadTimeS));
  const double integralS = std::min(model.lagS, 4 * (closedLoopS + deadTimeS));
  const double derivativeS = model.secondLagS;
  const double series = 1 + derivativeS / integralS;
  return {gain * series, integralS + derivativeS,
          integralS * derivativeS / (integralS + derivativeS)};
}

// The search runs over logarithms, so that every coefficient stays positive and a factor of two
// is the same distance whatever the size of the coefficient.
struct Encoding {
  double derivativeFloor;

  std::vector<double> encode(const StandardPid& pid) const {
    return {std::log(pid.gain), std::log(pid.integralS),
            std::log(pid.derivativeS + derivativeFloor)};
  }
  StandardPid decode(std::span<const double> x) const {
    return {std::exp(x[0]), std::exp(x[1]), std::max(0.0, std::exp(x[2]) - derivativeFloor)};
  }
};

}  // namespace

RegulatorCoefficients InstrumentCoefficients(const StandardPid& pid, int pwmPeriodS) {
  RegulatorCoefficients coefficients;
  coefficients.proportional = 1;
  coefficients.zone = std::max(0.1, Rounded(50.0 / pid.gain, 0.1));
  coefficients.integrationS = std::max(0.1, Rounded(pid.integralS, 0.1));
  coefficients.differentiationS = Rounded(pid.derivativeS, 0.1);
  coefficients.pwmPeriodS = pwmPeriodS;
  return coefficients;
}

CoefficientDesign DesignCoefficients(const ObjectModel& model, int pwmPeriodS, double setpoint,
                                     double step) {
  const double periodS = std::max(1, pwmPeriodS);
  // The mean over a period and the duty held for the next delay the loop by about a period.
  const double deadTimeS = model.delayS + periodS;
  const double horizonS = StepHorizonS(model, pwmPeriodS);
  CoefficientDesign design;
  design.rule = Simc(model, deadTimeS);

  const Encoding encoding{0.1 * periodS};
  const auto cost = [&](std::span<const double> x) {
    const StandardPid pid = encoding.decode(x);
    const RegulatorCoefficients coefficients = RegulatorFormOf(pid, 50.0 / pid.gain, pwmPeriodS);
    const StepResponse response = PredictStep(model, coefficients, setpoint, setpoint + step,
                                              horizonS, DutyResolution::Exact);
    const StepMetrics& metrics = response.metrics;
    double value = metrics.iae;
    value += kPenalty * std::max(0.0, MaxSensitivity(model, pid, pwmPeriodS) - kMaxSensitivity);
    value += kPenalty / 100 * std::max(0.0, metrics.overshootPercent - kModelOvershootPercent);
    if (metrics.settlingS < 0 || metrics.settlingS > horizonS / 2) value += kPenalty;
    return value;
  };

  StandardPid withSlope = design.rule;
  withSlope.derivativeS = std::max(withSlope.derivativeS, deadTimeS / 3);
  std::vector<double> best;
  double bestCost = 0;
  for (const StandardPid& start : {design.rule, withSlope}) {
    // A fresh simplex at each scale: one that has collapsed against the robustness bound in one
    // direction no longer moves along it.
    std::vector<double> x = encoding.encode(start);
    for (const double step : {0.3, 0.15, 0.05}) x = MinimizeNelderMead(cost, x, step, 80);
    const double value = cost(x);
    if (best.empty() || value < bestCost) {
      best = x;
      bestCost = value;
    }
  }
  design.pid = encoding.decode(best);
  design.coefficients = InstrumentCoefficients(design.pid, pwmPeriodS);
  design.maxSensitivity = MaxSensitivity(model, StandardFormOf(design.coefficients), pwmPeriodS);
  return design;
}

}  // namespace zorkan::tuning
