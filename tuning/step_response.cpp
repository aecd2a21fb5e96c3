#include "tuning/step_response.h"

#include <algorithm>
#include <cmath>

namespace zorkan::tuning {

namespace {

constexpr double kSettledBand = 0.02;

int PeriodsIn(double seconds, double periodS) {
  return std::max(1, static_cast<int>(std::ceil(seconds / periodS)));
}

}  // namespace

StepMetrics MeasureStep(const std::vector<double>& means, double periodS, double from, double to) {
  StepMetrics metrics;
  const double step = to - from;
  const double direction = step < 0 ? -1.0 : 1.0;
  const double band = kSettledBand * std::abs(step);
  double beyond = 0;
  std::size_t lastOutside = 0;
  bool everOutside = false;
  for (std::size_t k = 0; k < means.size(); ++k) {
    const double error = to - means[k];
    metrics.iae += std::abs(error) * periodS;
    beyond = std::max(beyond, -direction * error);
    if (std::abs(error) > band) {
      lastOutside = k;
      everOutside = true;
    }
  }
  metrics.overshootPercent = step != 0 ? 100.0 * beyond / std::abs(step) : 0;
  if (!everOutside) {
    metrics.settlingS = 0;
  } else if (lastOutside + 1 < means.size()) {
    metrics.settlingS = static_cast<double>(lastOutside + 1) * periodS;
  }
  return metrics;
}

StepResponse PredictStep(const ObjectModel& model, const RegulatorCoefficients& coefficients,
                         double from, double to, double horizonS, DutyResolution resolution) {
  ModelLoop loop(model, coefficients, from, resolution);
  // The holding power's pattern and the settled regulator are close to the loop's own steady
  // state, not equal to it: let it find its own first.
  const double warmUpS = 3 * (model.lagS + model.secondLagS) + model.delayS;
  loop.run(from, PeriodsIn(warmUpS, loop.periodS()));
  StepResponse response;
  response.from = from;
  response.to = to;
  response.periodS = loop.periodS();
  response.means = loop.run(to, PeriodsIn(horizonS, loop.periodS()));
  response.metrics = MeasureStep(response.means, response.periodS, from, to);
  return response;
}

double StepHorizonS(const ObjectModel& model, int pwmPeriodS) {
  return 8 * (model.lagS + model.secondLagS + model.delayS) + 40.0 * std::max(1, pwmPeriodS);
}

}  // namespace zorkan::tuning
