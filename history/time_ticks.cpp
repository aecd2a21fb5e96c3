#include "history/time_ticks.h"

#include <array>
#include <cmath>

#include "history/moments.h"

namespace zorkan {

namespace {

constexpr double kSecond = 1000;
constexpr double kMinute = 60 * kSecond;
constexpr double kHour = 60 * kMinute;
constexpr double kDay = 24 * kHour;
constexpr std::array<double, 22> kSteps{
    100,          200,          500,          kSecond, 2 * kSecond, 5 * kSecond,
    10 * kSecond, 15 * kSecond, 30 * kSecond, kMinute, 2 * kMinute, 5 * kMinute,
    10 * kMinute, 15 * kMinute, 30 * kMinute, kHour,   2 * kHour,   3 * kHour,
    6 * kHour,    12 * kHour,   kDay,         2 * kDay};
constexpr double kWeek = 7 * kDay;

double OffsetMs(double moment) {
  return LocalTimeAt(static_cast<std::int64_t>(moment)).utcOffsetMinutes * kMinute;
}

}  // namespace

TimeTicks TicksFor(TimeSpan span, int most) {
  TimeTicks ticks;
  const double width = span.end - span.begin;
  if (!(width > 0) || most < 1) return ticks;
  ticks.stepMs = kWeek;
  for (double step : kSteps) {
    if (width / step <= most) {
      ticks.stepMs = step;
      break;
    }
  }
  // Counted on the local clock, so that hours and midnights fall where the clock has them.
  const double offset = OffsetMs(span.begin);
  for (double local = std::ceil((span.begin + offset) / ticks.stepMs) * ticks.stepMs;
       local - offset <= span.end; local += ticks.stepMs) {
    const double moment = local - OffsetMs(local - offset);
    if (moment >= span.begin && moment <= span.end) ticks.moments.push_back(moment);
  }
  return ticks;
}

}  // namespace zorkan
