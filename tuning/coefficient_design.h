#pragma once
// The coefficients the tuner proposes for a model of the object: the SIMC rule's PID as the start,
// then the PID whose setpoint step has the least integrated error on the model while the loop
// keeps its robustness (maximum sensitivity at most kMaxSensitivity) and overshoots by at most
// kModelOvershootPercent, so that a model a little wrong still leaves the real loop within 10 %.

#include "tuning/object_model.h"
#include "tuning/regulator_form.h"

namespace zorkan::tuning {

// Counted with the PWM's sampling (sensitivity.h), which the usual 1.4 to 1.6 of a continuous loop
// leaves out: 1.7 so counted is 1.4 to 1.65 counted without it. At 1.6 the lag-dominant objects,
// where the sampling weighs most, lost 20 to 26 % of integrated error against the best loop.
inline constexpr double kMaxSensitivity = 1.7;
inline constexpr double kModelOvershootPercent = 5.0;

struct CoefficientDesign {
  StandardPid rule;  // SIMC's, with the PWM period's sampling counted as dead time
  StandardPid pid;   // the one proposed
  double maxSensitivity = 0;
  RegulatorCoefficients coefficients;  // `pid` in the instrument's numbers
};

// For steps of `step` degrees from `setpoint`, with the instrument's PWM period kept.
CoefficientDesign DesignCoefficients(const ObjectModel& model, int pwmPeriodS, double setpoint,
                                     double step);

// Kp = 1 makes the zone the proportional band: within it the output spans the whole range, and
// outside it a linear regulator would be saturated anyway. Values rounded as an operator would
// type them.
RegulatorCoefficients InstrumentCoefficients(const StandardPid& pid, int pwmPeriodS);

}  // namespace zorkan::tuning
