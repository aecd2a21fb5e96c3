#pragma once
// The operator's boxes while one operation works through a line of instruments: each question of
// the checks is asked at the first instrument only, its answer serving every later one, and the
// result of each instrument is not shown one box at a time, since the operation reports them all
// at its end.

#include <utility>
#include <vector>

#include "operator/operator_dialogs.h"

namespace zorkan {

class OnceAskedDialogs final : public OperatorDialogs {
 public:
  explicit OnceAskedDialogs(OperatorDialogs& dialogs) : dialogs_(dialogs) {}

  DialogAnswer ask(const DialogMessage& message) override;
  // Only the result boxes bring the window forward, and they are not shown.
  void bringMainWindowForward() override {}

 private:
  OperatorDialogs& dialogs_;
  std::vector<std::pair<DialogMessage, DialogAnswer>> answered_;
};

}  // namespace zorkan
