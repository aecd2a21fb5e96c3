#include "history/moments.h"

#include <chrono>
#include <ctime>

namespace zorkan {

std::int64_t MomentOf(const LocalTime& time) {
  using namespace std::chrono;
  const sys_days date = year{time.year} / month{static_cast<unsigned>(time.month)} /
                        day{static_cast<unsigned>(time.day)};
  const milliseconds local = date.time_since_epoch() + hours{time.hour} + minutes{time.minute} +
                             seconds{time.second} + milliseconds{time.millisecond};
  return (local - minutes{time.utcOffsetMinutes}).count();
}

std::int64_t MomentOfLocal(int year, int month, int day, int secondOfDay) {
  std::tm parts{};
  parts.tm_year = year - 1900;
  parts.tm_mon = month - 1;
  parts.tm_mday = day;
  parts.tm_sec = secondOfDay;  // mktime carries it into minutes and hours
  parts.tm_isdst = -1;
  return static_cast<std::int64_t>(std::mktime(&parts)) * kMsPerSecond;
}

LocalTime FileTime(const std::filesystem::path& path) {
  using namespace std::chrono;
  std::error_code error;
  const auto changed = std::filesystem::last_write_time(path, error);
  if (error) return LocalTimeAt(0);
  const auto moment = time_point_cast<milliseconds>(file_clock::to_sys(changed));
  return LocalTimeAt(moment.time_since_epoch().count());
}

}  // namespace zorkan
