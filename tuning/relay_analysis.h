#pragma once
// The relay's oscillation read cycle by cycle, and what it tells at once: where the loop would
// oscillate (Astrom and Hagglund's describing function, with the relay's hysteresis), how long the
// object takes to answer a switching, and whether the oscillation has settled.

#include <vector>

#include "tuning/experiment_record.h"
#include "tuning/object_model.h"

namespace zorkan::tuning {

// When the heater switched, from the samples: the instrument switches only at the start of a PWM
// period, so every switching lies on one grid of that period, which the samples around all of
// them together pin down much closer than two samples do.
struct Switching {
  double timeS = 0;
  bool on = false;
};

std::vector<Switching> HeaterSwitchings(const ExperimentRecord& record);

struct RelayCycle {
  double startS = 0;  // the heater switched on
  double periodS = 0;
  double onFraction = 0;
  double amplitude = 0;  // half the peak-to-peak swing
  double mean = 0;
};

// Every whole cycle after the heat-up, from one switching on to the next.
std::vector<RelayCycle> RelayCycles(const ExperimentRecord& record);

// The last `count` cycles' periods and amplitudes lie within `tolerance` (a fraction) of their
// means.
bool CyclesSettled(const std::vector<RelayCycle>& cycles, int count, double tolerance);

struct RelayReading {
  int cycles = 0;
  bool settled = false;
  // 4d / (pi * sqrt(a^2 - eps^2)) for the fundamental d of the heater's 0/100 % square wave.
  UltimatePoint describingFunction;
  double deadTimeS = 0;  // from a switching to the turn of the measured value it causes
  double onFraction = 0;
  double mean = 0;  // of the measured value over the cycles
};

inline constexpr int kSettledCycles = 3;
inline constexpr double kSettledTolerance = 0.05;

RelayReading ReadRelay(const ExperimentRecord& record);

}  // namespace zorkan::tuning
