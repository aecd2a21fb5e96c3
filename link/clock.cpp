#include "link/clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace zorkan {

std::string IsoTimeText(const LocalTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", time.year, time.month, time.day,
                time.hour, time.minute, time.second);
  return text;
}

std::string IsoTimeWithZoneText(const LocalTime& time) {
  const int offset = time.utcOffsetMinutes < 0 ? -time.utcOffsetMinutes : time.utcOffsetMinutes;
  char text[48];
  std::snprintf(text, sizeof text, "%s.%03d%c%02d:%02d", IsoTimeText(time).c_str(),
                time.millisecond, time.utcOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
  return text;
}

LocalTime LocalTimeAt(std::int64_t epochMs) {
  constexpr std::int64_t kMsPerSecond = 1000;
  // Rounded down, so that a moment before the epoch keeps a millisecond within 0..999.
  const std::time_t seconds = static_cast<std::time_t>(
      epochMs >= 0 ? epochMs / kMsPerSecond : (epochMs - kMsPerSecond + 1) / kMsPerSecond);
  std::tm parts{};
  localtime_r(&seconds, &parts);
  return LocalTime{parts.tm_year + 1900,
                   parts.tm_mon + 1,
                   parts.tm_mday,
                   parts.tm_hour,
                   parts.tm_min,
                   parts.tm_sec,
                   static_cast<int>(epochMs - static_cast<std::int64_t>(seconds) * kMsPerSecond),
                   static_cast<int>(parts.tm_gmtoff / 60)};
}

LocalTime SystemClock::localTime() const {
  using namespace std::chrono;
  return LocalTimeAt(
      time_point_cast<milliseconds>(system_clock::now()).time_since_epoch().count());
}

std::int64_t SystemClock::monotonicMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace zorkan
