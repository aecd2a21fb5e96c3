#pragma once
// "Проверить ступенькой": the regulated value stepped by a given amount with the coefficients the
// instrument holds, the response recorded and judged against the step the model predicts for
// them, then the regulated value put back. Every way out (the limits, Escape, a lost instrument)
// puts it back; at the maximum temperature the heater first goes off at once through the manual
// PWM, and the instrument then gets its own regulation back.

#include <chrono>
#include <string>
#include <vector>

#include "tuning/experiment_record.h"
#include "tuning/object_model.h"
#include "tuning/step_response.h"
#include "workflows/exchange_context.h"
#include "workflows/experiment_pacing.h"
#include "workflows/experiment_session.h"

namespace zorkan {

struct StepCheckOptions {
  double step = 10;  // degrees, added to the regulated value
  double maxTemperature = 250;
  std::chrono::minutes maxDuration{60};
  std::chrono::milliseconds samplePeriod{500};
  std::chrono::seconds handBackLimit{60};
};

struct StepCheckResult {
  ExperimentEnd end = ExperimentEnd::Refused;
  LinkError code = kOk;
  std::string message;         // for the operator, in Russian
  bool restored = true;        // the regulated value is as it was before the check
  bool handedBack = true;      // no manual PWM left behind
  bool settledBefore = false;  // the loop had settled before the step
  double from = 0;
  double to = 0;
  // Over the same PWM periods after the step: the means of the samples in each, and the model's.
  std::vector<double> measuredMeans;
  tuning::StepMetrics measured;
  tuning::StepResponse predicted;
  std::vector<tuning::ExperimentSample> samples;
};

StepCheckResult CheckWithStep(ExchangeContext& exchange, const StepCheckOptions& options,
                              const tuning::ObjectModel& model, ExperimentPacing& pacing,
                              const SampleListener& listener);

}  // namespace zorkan
