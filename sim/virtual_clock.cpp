#include "sim/virtual_clock.h"

namespace zorkan::sim {

VirtualClock::VirtualClock(LocalTime start) {
  using namespace std::chrono;
  const sys_days date = year{start.year} / month{static_cast<unsigned>(start.month)} /
                        day{static_cast<unsigned>(start.day)};
  start_ = duration_cast<milliseconds>(date.time_since_epoch() + hours{start.hour} +
                                       minutes{start.minute} + seconds{start.second});
}

LocalTime VirtualClock::localTime() const {
  using namespace std::chrono;
  const sys_time<milliseconds> now{start_ + duration_cast<milliseconds>(elapsed_)};
  const sys_days date = floor<days>(now);
  const year_month_day ymd{date};
  const hh_mm_ss<milliseconds> time{now - date};
  return LocalTime{static_cast<int>(ymd.year()),
                   static_cast<int>(static_cast<unsigned>(ymd.month())),
                   static_cast<int>(static_cast<unsigned>(ymd.day())),
                   static_cast<int>(time.hours().count()),
                   static_cast<int>(time.minutes().count()),
                   static_cast<int>(time.seconds().count()),
                   static_cast<int>(time.subseconds().count())};
}

std::int64_t VirtualClock::monotonicMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed_).count();
}

void VirtualClock::advanceTo(std::chrono::nanoseconds when) {
  if (when > elapsed_) elapsed_ = when;
}

std::chrono::steady_clock::time_point VirtualClock::steadyNow() const {
  return std::chrono::steady_clock::time_point(
      std::chrono::duration_cast<std::chrono::steady_clock::duration>(elapsed_));
}

}  // namespace zorkan::sim
