#pragma once
// Operator dialogs for tests: records every box, answers Yes/No boxes from a script.

#include <deque>
#include <vector>

#include "operator/operator_dialogs.h"

namespace zorkan::testing {

class RecordingDialogs final : public OperatorDialogs {
 public:
  DialogAnswer ask(const DialogMessage& message) override {
    shown.push_back(message);
    if (message.buttons == DialogButtons::Ok) return DialogAnswer::Ok;
    if (answers.empty()) return unscriptedAnswer;
    const DialogAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void bringMainWindowForward() override { ++raised; }

  std::vector<DialogMessage> shown;
  std::deque<DialogAnswer> answers;  // for Yes/No boxes, in order
  DialogAnswer unscriptedAnswer = DialogAnswer::No;
  int raised = 0;
};

}  // namespace zorkan::testing
