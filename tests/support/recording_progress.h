#pragma once
// A progress panel for tests: records what was shown and can press Escape during a chosen step.

#include <vector>

#include "operator/progress.h"

namespace zorkan::testing {

class RecordingProgressPanel final : public ProgressPanel {
 public:
  explicit RecordingProgressPanel(CancelLatch& latch) : latch_(latch) {}

  void setLines(const ProgressLines& lines) override { this->lines = lines; }
  void setVisible(bool visible) override { this->visible = visible; }
  void processPendingEvents() override {
    steps.push_back(lines[2]);
    if (static_cast<int>(steps.size()) == escapeAtStep) latch_.press();
  }

  ProgressLines lines;
  bool visible = false;
  std::vector<std::string> steps;  // the step line at each step, in order
  int escapeAtStep = 0;            // 1 = the first step; 0 = never

 private:
  CancelLatch& latch_;
};

}  // namespace zorkan::testing
