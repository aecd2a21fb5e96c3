#pragma once
// How close the loop passes to instability: the largest gain of the sensitivity 1 / (1 + L) over
// the frequencies the regulator can act on. 1.4 to 1.6 is a robust loop; 2 is close to the edge.

#include "tuning/object_model.h"
#include "tuning/regulator_form.h"

namespace zorkan::tuning {

// The loop L of `pid` on `model`, with the regulator's PWM period taking the mean over one
// period and holding its duty for the next, and its slope a difference of two such means.
double MaxSensitivity(const ObjectModel& model, const StandardPid& pid, int pwmPeriodS);

}  // namespace zorkan::tuning
