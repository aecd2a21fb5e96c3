#pragma once
// A clock that moves only when told to, from a chosen local date and time.

#include <chrono>
#include <cstdint>

#include "link/clock.h"

namespace zorkan::testing {

class FakeClock final : public Clock {
 public:
  explicit FakeClock(LocalTime start = {2026, 12, 7, 10, 0, 0}) {
    using namespace std::chrono;
    const sys_days date = year{start.year} / month{static_cast<unsigned>(start.month)} /
                          day{static_cast<unsigned>(start.day)};
    startMs_ = duration_cast<milliseconds>(date.time_since_epoch() + hours{start.hour} +
                                           minutes{start.minute} + seconds{start.second})
                   .count();
  }

  LocalTime localTime() const override {
    using namespace std::chrono;
    const sys_time<milliseconds> now{milliseconds{startMs_ + elapsedMs_}};
    const sys_days date = floor<days>(now);
    const year_month_day ymd{date};
    const hh_mm_ss<milliseconds> time{now - date};
    return LocalTime{static_cast<int>(ymd.year()),
                     static_cast<int>(static_cast<unsigned>(ymd.month())),
                     static_cast<int>(static_cast<unsigned>(ymd.day())),
                     static_cast<int>(time.hours().count()),
                     static_cast<int>(time.minutes().count()),
                     static_cast<int>(time.seconds().count())};
  }
  std::int64_t monotonicMs() const override { return elapsedMs_; }

  void advance(std::int64_t ms) { elapsedMs_ += ms; }

 private:
  std::int64_t startMs_ = 0;
  std::int64_t elapsedMs_ = 0;
};

}  // namespace zorkan::testing
