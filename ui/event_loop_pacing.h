#pragma once
// The window's pacing of a long experiment: between two samples it runs the window's events, so
// that the chart redraws, the stop button answers and Escape reaches the cancel latch.

#include <cstdint>

#include "link/clock.h"
#include "workflows/experiment_pacing.h"

namespace zorkan {

class EventLoopPacing final : public ExperimentPacing {
 public:
  explicit EventLoopPacing(const Clock& clock) : clock_(clock) {}

  std::int64_t nowMs() const override { return clock_.monotonicMs(); }
  void waitUntil(std::int64_t monotonicMs) override;

 private:
  const Clock& clock_;
};

}  // namespace zorkan
