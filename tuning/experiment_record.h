#pragma once
// What a relay experiment leaves to analyse: the measured value and the heater's state as the
// instrument reported them, sample by sample.

#include <cstddef>
#include <vector>

namespace zorkan::tuning {

struct ExperimentSample {
  double timeS = 0;      // since the experiment began
  double value = 0;      // channel 1's measured value
  bool heating = false;  // the heater's relay, as the instrument reports it
};

struct ExperimentRecord {
  std::vector<ExperimentSample> samples;
  double target = 0;
  double hysteresis = 0;  // the relay switches off above target + hysteresis, on below target -
                          // hysteresis
  double noise = 0;       // standard deviation of the measured value at rest
  int pwmPeriodS = 1;     // the heater switches only at the start of a PWM period
  std::size_t relayStart = 0;  // the first sample after the heat-up
};

}  // namespace zorkan::tuning
