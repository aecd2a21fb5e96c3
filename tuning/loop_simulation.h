#pragma once
// The regulated loop on a model of the object, as the instrument runs it: the duty computed at the
// start of each PWM period from the mean measured over the period before, the heater on for that
// part of the period (in the instrument's 10 ms steps), its power reaching the object one dead
// time later. Solved exactly between the heater's switchings, so that a whole step costs
// microseconds.

#include <deque>
#include <vector>

#include "tuning/object_model.h"
#include "tuning/regulator_form.h"

namespace zorkan::tuning {

// How finely the heater's time on within a period is set.
enum class DutyResolution {
  Instrument,  // in the instrument's 10 ms steps, as the loop really runs
  // Exactly: the same loop without the dither of the steps about a holding power between two of
  // them, which no coefficients can remove and which would only blur a comparison of coefficients.
  Exact,
};

class ModelLoop {
 public:
  // The loop as it stands after holding `temperature` for long: the object there, the heater's
  // power its holding power, the regulator settled on it.
  ModelLoop(const ObjectModel& model, const RegulatorCoefficients& coefficients, double temperature,
            DutyResolution resolution = DutyResolution::Instrument);

  // Runs `periods` whole PWM periods towards `setpoint`; returns the mean measured over each.
  std::vector<double> run(double setpoint, int periods);
  double periodS() const { return periodS_; }

 private:
  struct Switching {
    double atS;  // when the heater took this power, before the dead time
    double power;
  };

  // Integral of the temperature over the next `seconds`.
  double advance(double seconds);

  ObjectModel model_;
  RegulatorCoefficients coefficients_;
  RegulatorState regulator_;
  double periodS_;
  double switchStepS_;
  double nowS_ = 0;
  LagState lags_;
  // The heater's power since one dead time ago; the front one reaches the object now.
  std::deque<Switching> heater_;
  double lastMean_;
};

}  // namespace zorkan::tuning
