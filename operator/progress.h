#pragma once
// Progress of long exchange sequences and their cancellation with the Escape key.

#include <array>
#include <string>
#include <utility>

namespace zorkan {

// Title, heading, step, two extra lines, hint.
using ProgressLines = std::array<std::string, 6>;

// The panel seam: the window draws it, tests record it.
class ProgressPanel {
 public:
  virtual ~ProgressPanel() = default;
  // Each call redraws at once, so the text is visible during the blocking transaction after it.
  virtual void setLines(const ProgressLines& lines) = 0;
  virtual void setVisible(bool visible) = 0;
  // Runs pending input, paint and timer events: the one point where Escape presses arrive and a
  // live-value tick may run between two transactions of a sequence.
  virtual void processPendingEvents() = 0;
};

// Set by every Escape press; one request however often the key was pressed.
class CancelLatch {
 public:
  void press() { pressed_ = true; }
  // True when Escape was pressed since the last test or reset; clears the latch.
  bool CancelRequested() { return std::exchange(pressed_, false); }
  void ResetCancel() { pressed_ = false; }

 private:
  bool pressed_ = false;
};

// The operations the sequences call; keeps the current lines so later calls can show them again.
class Progress {
 public:
  Progress(ProgressPanel& panel, CancelLatch& latch) : panel_(panel), latch_(latch) {}

  void SetProgressLines(ProgressLines lines);
  void ShowProgress() { panel_.setVisible(true); }
  void HideProgress() { panel_.setVisible(false); }
  // Sets the step line, redraws, then lets pending events run.
  void SetProgressStep(std::string text);
  void setProgressHeading(std::string text);
  // Empties the step line without letting events run.
  void clearProgressStep();
  // Redraws the current lines.
  void refreshProgress() { panel_.setLines(lines_); }
  // What the panel shows or showed last: after a sequence stopped, where it stopped.
  const ProgressLines& lines() const { return lines_; }
  bool CancelRequested() { return latch_.CancelRequested(); }
  void ResetCancel() { latch_.ResetCancel(); }
  // For a sequence that draws on the same panel through a Progress of its own.
  ProgressPanel& panel() { return panel_; }

 private:
  ProgressPanel& panel_;
  CancelLatch& latch_;
  ProgressLines lines_;
};

}  // namespace zorkan
