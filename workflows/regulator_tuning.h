#pragma once
// "Настройка регулятора" without widgets: the relay experiment on the instrument, then the model
// and the coefficients. The window's dialog and zorkan-cli tune both call it. Nothing is written to
// the instrument's settings here (WriteTunedCoefficients does that, when the operator says so),
// and on every way out the instrument regulates by itself again with its coefficients as they
// were.

#include <chrono>
#include <optional>
#include <string>

#include "tuning/experiment_record.h"
#include "tuning/regulator_form.h"
#include "tuning/tuning_analysis.h"
#include "workflows/exchange_context.h"
#include "workflows/experiment_pacing.h"
#include "workflows/experiment_session.h"

namespace zorkan {

struct TuningOptions {
  double setpoint = 150;        // the relay oscillates about it
  double maxTemperature = 250;  // the heater goes off at once at it
  std::chrono::minutes maxDuration{60};
  int cycleLimit = 6;  // the oscillation ends here if it has not settled before
  double step = 10;    // of the predicted setpoint steps, degrees
  std::chrono::milliseconds samplePeriod{500};
  // How long a lost instrument is asked to take its regulation back.
  std::chrono::seconds handBackLimit{60};
};

struct TuningResult {
  ExperimentEnd end = ExperimentEnd::Refused;  // Done: the model and coefficients in `analysis`
  // The link's code where one ended it (kNoAnswer for a lost instrument, kCancelledByOperator for
  // a stop), else kOk.
  LinkError code = kOk;
  std::string message;  // for the operator, in Russian
  // The instrument regulates by itself again (manual PWM off). False only when it could not be
  // reached; `message` then says it may still be under manual control.
  bool handedBack = true;
  float regulatedValue = 0;
  tuning::RegulatorCoefficients current;  // as read before the experiment
  tuning::ExperimentRecord record;
  std::optional<tuning::TuningAnalysis> analysis;
};

// Progress goes to the exchange's panel ("Разогрев до 150.0", "Колебания: цикл 3 из 6"), every
// sample to `listener`.
TuningResult RunTuningExperiment(ExchangeContext& exchange, const TuningOptions& options,
                                 ExperimentPacing& pacing, const SampleListener& listener);

}  // namespace zorkan
