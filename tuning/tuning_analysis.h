#pragma once
// Everything the tuner concludes from one relay experiment: the relay's own reading, the model of
// the object, its ultimate gain and period, the coefficients proposed, and the setpoint step that
// the instrument's current coefficients and the proposed ones would give on the model.

#include "tuning/coefficient_design.h"
#include "tuning/experiment_record.h"
#include "tuning/model_fit.h"
#include "tuning/object_model.h"
#include "tuning/regulator_form.h"
#include "tuning/relay_analysis.h"
#include "tuning/step_response.h"

namespace zorkan::tuning {

struct TuningAnalysis {
  RelayReading relay;
  ModelFit fit;
  UltimatePoint ultimate;  // of the model chosen
  CoefficientDesign design;
  StepResponse currentStep;
  StepResponse proposedStep;
};

// The steps go from the experiment's target up by `step` degrees.
TuningAnalysis AnalyseExperiment(const ExperimentRecord& record,
                                 const RegulatorCoefficients& current, double step);

}  // namespace zorkan::tuning
