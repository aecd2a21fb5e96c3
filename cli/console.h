#pragma once
// The operator-dialog and progress seams on a console: questions are printed and answered by the
// command line, progress goes to standard error when it is a terminal, Ctrl+C acts as Escape.
// Everything goes to standard error in English, a line each, the window's own texts quoted.

#include <string_view>

#include "operator/operator_dialogs.h"
#include "operator/progress.h"

namespace zorkan::cli {

// "zorkan-cli: TEXT", one line of standard error.
void Tell(std::string_view text);

class ConsoleDialogs final : public OperatorDialogs {
 public:
  explicit ConsoleDialogs(bool answerYes) : answerYes_(answerYes) {}
  DialogAnswer ask(const DialogMessage& message) override;
  void bringMainWindowForward() override {}

 private:
  bool answerYes_;
};

class ConsoleProgressPanel final : public ProgressPanel {
 public:
  explicit ConsoleProgressPanel(CancelLatch& latch);
  void setLines(const ProgressLines& lines) override { lines_ = lines; }
  void setVisible(bool) override {}
  // One line per step; a Ctrl+C pressed since the last step presses the latch.
  void processPendingEvents() override;

 private:
  CancelLatch& latch_;
  ProgressLines lines_;
  bool toTerminal_;
};

// From now on Ctrl+C and SIGTERM only raise a flag that InterruptRequested() tests and clears.
void CatchInterrupts();
bool InterruptRequested();

}  // namespace zorkan::cli
