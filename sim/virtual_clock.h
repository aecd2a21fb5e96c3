#pragma once
// Time that moves only when told to, from a chosen local date and time in a zone at UTC: the
// in-process instrument and the tests of waits run on it, so a silent instrument costs no real
// time.

#include <chrono>
#include <cstdint>

#include "link/clock.h"

namespace zorkan::sim {

class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(LocalTime start = {2026, 12, 7, 10, 0, 0});

  LocalTime localTime() const override;
  std::int64_t monotonicMs() const override;

  std::chrono::nanoseconds elapsed() const { return elapsed_; }
  void advance(std::chrono::nanoseconds by) { elapsed_ += by; }
  // Never backwards.
  void advanceTo(std::chrono::nanoseconds when);
  // The same instant on the steady clock's scale, for the instrument's plant.
  std::chrono::steady_clock::time_point steadyNow() const;

 private:
  std::chrono::milliseconds start_;  // local date and time since the epoch
  std::chrono::nanoseconds elapsed_{0};
};

}  // namespace zorkan::sim
