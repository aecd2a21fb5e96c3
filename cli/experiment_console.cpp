#include "cli/experiment_console.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "cli/console.h"

namespace zorkan::cli {

namespace {

constexpr std::size_t kHeadingLine = 1;
constexpr std::size_t kStepLine = 2;
constexpr std::size_t kReadingLine = 3;
// A stop is heard within this, whatever the time to the next sample.
constexpr std::int64_t kSliceMs = 50;

}  // namespace

ExperimentConsole::ExperimentConsole(CancelLatch& latch)
    : latch_(latch), toTerminal_(isatty(STDERR_FILENO) != 0) {}

void ExperimentConsole::setLines(const ProgressLines& lines) {
  if (lines[kStepLine] != step_) {
    step_ = lines[kStepLine];
    if (!step_.empty()) {
      endReadingLine();
      const std::string& heading = lines[kHeadingLine];
      Tell("step \"" + heading + (heading.empty() ? "" : ": ") + step_ + "\"");
    }
  }
  if (toTerminal_ && lines[kReadingLine] != reading_) {
    reading_ = lines[kReadingLine];
    // Carriage return and erase to the line's end: one line that keeps up with the samples.
    std::fprintf(stderr, "\r  %s\033[K", reading_.c_str());
    readingShown_ = true;
  }
  std::fflush(stderr);
}

void ExperimentConsole::setVisible(bool visible) {
  if (!visible) endReadingLine();
}

void ExperimentConsole::processPendingEvents() {
  if (InterruptRequested()) latch_.press();
}

void ExperimentConsole::endReadingLine() {
  if (!readingShown_) return;
  std::fputc('\n', stderr);
  readingShown_ = false;
  reading_.clear();
}

void SleepingPacing::waitUntil(std::int64_t monotonicMs) {
  for (;;) {
    if (InterruptRequested()) latch_.press();
    const std::int64_t leftMs = monotonicMs - nowMs();
    if (leftMs <= 0) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(leftMs, kSliceMs)));
  }
}

}  // namespace zorkan::cli
