#pragma once
// A measurement history as the logs tell it: every logged tick with its moment, in time order.

#include <cstdint>
#include <vector>

#include "live/csv_measurement_log.h"
#include "live/measurement_log.h"

namespace zorkan {

struct HistorySample {
  std::int64_t moment = 0;  // milliseconds since the epoch, UTC
  LoggedMeasurement measurement;
  // NaN where the log holds none: IZM.txt has no setpoints.
  float setpoint = 0;
  float alarmSetpoint = 0;
};

struct MeasurementHistory {
  std::vector<HistorySample> samples;  // by moment, the order of the log kept among equal ones
  ChannelUnits units;                  // empty where the log names none
};

// Milliseconds between two neighbouring samples, the median: what the log's interval was.
double TypicalIntervalMs(const std::vector<HistorySample>& samples);

// Several logs as one history (the CSV logs of two days across a night, say); the units of the
// first log that names them.
MeasurementHistory Joined(std::vector<MeasurementHistory> histories);

// Brings the samples into time order, keeping the log's order among equal moments (a clock set
// back leaves a log out of order).
void SortByMoment(std::vector<HistorySample>& samples);

}  // namespace zorkan
