#pragma once
// The object's model from the whole experiment: the heat-up and the oscillation together, with the
// heater's recorded switchings as the input. For given lags and dead time the ambient, the gain and
// the lags' starting temperatures follow by least squares; the lags and the dead time are searched.

#include "tuning/experiment_record.h"
#include "tuning/object_model.h"
#include "tuning/relay_analysis.h"

namespace zorkan::tuning {

struct FittedModel {
  ObjectModel model;
  double rms = 0;  // of the measured value's difference from the model's, degrees
};

struct ModelFit {
  FittedModel firstOrder;
  FittedModel secondOrder;
  bool secondOrderChosen = false;
  const FittedModel& chosen() const { return secondOrderChosen ? secondOrder : firstOrder; }
};

// A second-order model is chosen only where it fits markedly better: its rms below this share of
// the first-order one's.
inline constexpr double kMarkedlyBetter = 0.8;

ModelFit FitObjectModel(const ExperimentRecord& record, const RelayReading& relay);

}  // namespace zorkan::tuning
