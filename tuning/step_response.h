#pragma once
// A setpoint step of the regulated loop, judged as an operator judges it: by the means over PWM
// periods, since within a period the PWM's own ripple says nothing of the regulation.

#include <vector>

#include "tuning/loop_simulation.h"
#include "tuning/object_model.h"
#include "tuning/regulator_form.h"

namespace zorkan::tuning {

struct StepMetrics {
  double overshootPercent = 0;  // of the step, beyond the new setpoint
  // From the step until the means stay within 2 % of the step around the new setpoint; negative
  // when they never do within the record.
  double settlingS = -1;
  double iae = 0;  // degree-seconds
};

struct StepResponse {
  double from = 0;
  double to = 0;
  double periodS = 1;
  std::vector<double> means;  // one per PWM period from the step on
  StepMetrics metrics;
};

// `means[k]` is the mean over the k-th PWM period of `periodS` after the step.
StepMetrics MeasureStep(const std::vector<double>& means, double periodS, double from, double to);

// The step from `from` to `to` with `coefficients` on `model`, from a loop long settled at `from`,
// for `horizonS`.
StepResponse PredictStep(const ObjectModel& model, const RegulatorCoefficients& coefficients,
                         double from, double to, double horizonS,
                         DutyResolution resolution = DutyResolution::Instrument);

// Long enough for a good loop on `model` to settle well inside it.
double StepHorizonS(const ObjectModel& model, int pwmPeriodS);

}  // namespace zorkan::tuning
