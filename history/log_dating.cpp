#include "history/log_dating.h"

#include <chrono>
#include <cmath>
#include <map>
#include <utility>

#include "history/moments.h"

namespace zorkan {

namespace {

constexpr int kSecondsPerHour = 3600;
// A later line whose time of day is more than this much earlier than its predecessor's has crossed
// a midnight; a smaller step back is a clock set back.
constexpr int kLongestClockStepBackS = kSecondsPerHour;

// The start of each local hour, counted back in days from the last line's day: mktime is slow,
// and the zone's offset changes only on the hour.
class HourStarts {
 public:
  explicit HourStarts(std::chrono::sys_days lastDay) : lastDay_(lastDay) {}

  std::int64_t momentOf(int daysBack, int secondOfDay) {
    const int hour = secondOfDay / kSecondsPerHour;
    auto [found, added] = starts_.try_emplace({daysBack, hour}, 0);
    if (added) {
      const std::chrono::year_month_day date{lastDay_ - std::chrono::days{daysBack}};
      found->second = MomentOfLocal(
          static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())), hour * kSecondsPerHour);
    }
    return found->second + (secondOfDay % kSecondsPerHour) * kMsPerSecond;
  }

 private:
  std::chrono::sys_days lastDay_;
  std::map<std::pair<int, int>, std::int64_t> starts_;
};

std::chrono::sys_days DayOfLastLine(int lastSecondOfDay, const LocalTime& fileTime) {
  using namespace std::chrono;
  const sys_days fileDay = year{fileTime.year} / month{static_cast<unsigned>(fileTime.month)} /
                           day{static_cast<unsigned>(fileTime.day)};
  const int fileSecondOfDay =
      fileTime.hour * kSecondsPerHour + fileTime.minute * 60 + fileTime.second;
  return lastSecondOfDay > fileSecondOfDay + kLongestClockStepBackS ? fileDay - days{1} : fileDay;
}

}  // namespace

DatedLines DateMeasurementLogLines(const std::vector<MeasurementLogLineParts>& lines,
                                   const LocalTime& fileTime) {
  DatedLines dated;
  if (lines.empty()) return dated;
  std::vector<int> daysBack(lines.size(), 0);
  for (std::size_t i = lines.size() - 1; i-- > 0;) {
    const bool midnight = lines[i].secondOfDay > lines[i + 1].secondOfDay + kLongestClockStepBackS;
    daysBack[i] = daysBack[i + 1] + (midnight ? 1 : 0);
  }
  dated.midnights = daysBack.front();
  HourStarts hours(DayOfLastLine(lines.back().secondOfDay, fileTime));
  dated.samples.reserve(lines.size());
  for (std::size_t first = 0; first < lines.size();) {
    std::size_t end = first + 1;
    while (end < lines.size() && lines[end].secondOfDay == lines[first].secondOfDay &&
           daysBack[end] == daysBack[first]) {
      ++end;
    }
    const std::int64_t second = hours.momentOf(daysBack[first], lines[first].secondOfDay);
    const auto count = static_cast<std::int64_t>(end - first);
    for (std::size_t i = first; i < end; ++i) {
      const auto place = static_cast<std::int64_t>(i - first);
      dated.samples.push_back({second + place * kMsPerSecond / count, lines[i].measurement,
                               std::nanf(""), std::nanf("")});
    }
    first = end;
  }
  SortByMoment(dated.samples);
  return dated;
}

}  // namespace zorkan
