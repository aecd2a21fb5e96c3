#include "tuning/tuning_analysis.h"

namespace zorkan::tuning {

TuningAnalysis AnalyseExperiment(const ExperimentRecord& record,
                                 const RegulatorCoefficients& current, double step) {
  TuningAnalysis analysis;
  analysis.relay = ReadRelay(record);
  analysis.fit = FitObjectModel(record, analysis.relay);
  const ObjectModel& model = analysis.fit.chosen().model;
  analysis.ultimate = UltimatePointOf(model);
  analysis.design = DesignCoefficients(model, record.pwmPeriodS, record.target, step);
  const double horizonS = StepHorizonS(model, record.pwmPeriodS);
  const double to = record.target + step;
  analysis.currentStep = PredictStep(model, current, record.target, to, horizonS);
  analysis.proposedStep =
      PredictStep(model, analysis.design.coefficients, record.target, to, horizonS);
  return analysis;
}

}  // namespace zorkan::tuning
