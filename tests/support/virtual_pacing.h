#pragma once
// An experiment's time on the simulator's virtual clock: a wait moves the clock on at once, so
// that twenty minutes of relay oscillation cost a fraction of a second.

#include <chrono>
#include <cstdint>
#include <functional>

#include "sim/virtual_clock.h"
#include "workflows/experiment_pacing.h"

namespace zorkan::testing {

class VirtualPacing final : public ExperimentPacing {
 public:
  explicit VirtualPacing(sim::VirtualClock& clock) : clock_(clock) {}

  std::int64_t nowMs() const override { return clock_.monotonicMs(); }
  void waitUntil(std::int64_t monotonicMs) override {
    clock_.advanceTo(std::chrono::milliseconds(monotonicMs));
    if (afterWait) afterWait();
  }

  // Runs after every wait: where a test presses Escape or pulls the instrument away.
  std::function<void()> afterWait;

 private:
  sim::VirtualClock& clock_;
};

}  // namespace zorkan::testing
