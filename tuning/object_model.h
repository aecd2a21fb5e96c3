#pragma once
// What the tuner knows of a heated object: the heater's power (0..100 %) reaches it after a dead
// time and passes one or two lags; its temperature settles at ambient + gain * power.

#include <complex>

namespace zorkan::tuning {

struct ObjectModel {
  double gain = 1;        // degrees per per cent of heater power, at steady state
  double lagS = 1;        // the larger lag
  double secondLagS = 0;  // 0: a first-order model
  double delayS = 0;
  double ambient = 20;

  // The heater's power, in per cent, that holds `temperature`.
  double holdingPower(double temperature) const { return (temperature - ambient) / gain; }
  // The power reaching the object before the temperature it shows.
  double settledAt(double power) const { return ambient + gain * power; }
};

// The outputs of the object's lags; the last one is its temperature.
struct LagState {
  double first = 0;
  double second = 0;
};

inline double TemperatureOf(const ObjectModel& model, const LagState& state) {
  return model.secondLagS > 0 ? state.second : state.first;
}

// Runs the lags for `seconds` with `power` reaching them (the dead time is the caller's), exactly;
// returns the integral of the temperature over that time.
double AdvanceLags(const ObjectModel& model, LagState& state, double power, double seconds);

// Degrees per per cent at angular frequency `omega` (rad/s).
std::complex<double> FrequencyResponse(const ObjectModel& model, double omega);

// Where a proportional loop around the object would just oscillate: the gain (per cent per
// degree) and the period of that oscillation.
struct UltimatePoint {
  double gain = 0;
  double periodS = 0;
};

UltimatePoint UltimatePointOf(const ObjectModel& model);

}  // namespace zorkan::tuning
