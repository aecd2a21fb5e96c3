#pragma once
// The moments of IZM.txt's lines, which carry a time of day and no date.

#include <vector>

#include "history/measurement_history.h"
#include "link/clock.h"
#include "live/measurement_log.h"

namespace zorkan {

struct DatedLines {
  std::vector<HistorySample> samples;  // by moment; no setpoints
  int midnights = 0;                   // crossed between the first line and the last
};

// The last line falls on the day of the file's time (`fileTime`, when the file last changed), or
// on the day before when its time of day is later than the file's by more than an hour; each
// earlier line a day before the one after it for each midnight crossed: a step back of the times
// of day by more than an hour (a smaller one is a clock set back: summer time, a correction). The
// lines of one second share it evenly (two polls a second log one time of day twice).
DatedLines DateMeasurementLogLines(const std::vector<MeasurementLogLineParts>& lines,
                                   const LocalTime& fileTime);

}  // namespace zorkan
