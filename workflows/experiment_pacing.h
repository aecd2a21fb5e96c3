#pragma once
// How a long experiment on the instrument keeps time: it samples twice a second for many minutes,
// and between two samples the window must stay alive and Escape, Ctrl+C or SIGTERM must reach the
// cancel latch. The window waits running its events, the command line sleeps watching for signals,
// and tests move the simulator's virtual clock, so that a 20-minute experiment costs no real time.

#include <cstdint>
#include <functional>

#include "tuning/experiment_record.h"

namespace zorkan {

class ExperimentPacing {
 public:
  virtual ~ExperimentPacing() = default;
  // Monotonic milliseconds on the link's clock.
  virtual std::int64_t nowMs() const = 0;
  // Returns once nowMs() has reached `monotonicMs` (at once when it has). Meanwhile the window
  // runs its events and the command line notes Ctrl+C: both press the cancel latch, which the
  // experiment tests after each wait.
  virtual void waitUntil(std::int64_t monotonicMs) = 0;
};

// Hears every sample as it is taken, for a chart of the experiment while it runs.
using SampleListener = std::function<void(const tuning::ExperimentSample&)>;

// Calls `attempt` until it succeeds, once a second, for `limitMs` at most: what gives an
// instrument that stopped answering back its own regulation once its line returns. false when it
// never succeeded.
bool RetryFor(ExperimentPacing& pacing, std::int64_t limitMs, const std::function<bool()>& attempt);

}  // namespace zorkan
