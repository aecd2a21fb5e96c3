#pragma once
// Round moments for the labels of a time axis: whole seconds, minutes or hours of the local clock,
// whatever the span, so that an axis reads 10:00, 12:00, 14:00 rather than 10:00, 13:29, 16:59.

#include <cstdint>
#include <vector>

#include "history/decimation.h"

namespace zorkan {

struct TimeTicks {
  double stepMs = 0;
  std::vector<double> moments;  // within the span, local-clock multiples of the step
};

// The finest step of 100 ms, 1, 2, 5, 10, 15 or 30 seconds or minutes, 1, 2, 3, 6 or 12 hours,
// 1, 2 or 7 days that gives at most `most` ticks over the span (local midnights for days).
TimeTicks TicksFor(TimeSpan span, int most);

}  // namespace zorkan
