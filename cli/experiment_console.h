#pragma once
// A long experiment on the console: its steps on standard error as they change (a script's log
// gets them too: they are few), the temperature in place on a terminal, and Ctrl+C or SIGTERM
// turned into a press of the cancel latch while it waits between samples.

#include <cstdint>
#include <string>

#include "link/clock.h"
#include "operator/progress.h"
#include "workflows/experiment_pacing.h"

namespace zorkan::cli {

class ExperimentConsole final : public ProgressPanel {
 public:
  explicit ExperimentConsole(CancelLatch& latch);

  void setLines(const ProgressLines& lines) override;
  // Hidden: the temperature's line is ended, so that what follows starts a line of its own.
  void setVisible(bool visible) override;
  // A Ctrl+C or SIGTERM since the last call presses the latch.
  void processPendingEvents() override;

 private:
  void endReadingLine();

  CancelLatch& latch_;
  std::string step_;
  std::string reading_;
  bool readingShown_ = false;
  const bool toTerminal_;
};

// The command line's pacing: the monotonic clock, and sleeps in short slices that each turn a
// Ctrl+C or SIGTERM into a press of the latch, which the experiment tests after the wait.
class SleepingPacing final : public ExperimentPacing {
 public:
  explicit SleepingPacing(CancelLatch& latch) : latch_(latch) {}

  std::int64_t nowMs() const override { return clock_.monotonicMs(); }
  void waitUntil(std::int64_t monotonicMs) override;

 private:
  CancelLatch& latch_;
  SystemClock clock_;
};

}  // namespace zorkan::cli
