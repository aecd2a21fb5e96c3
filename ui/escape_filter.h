#pragma once
// Escape, wherever the focus is, presses the cancel latch: an application-wide filter sees the key
// even while a sequence only lets events through between its steps.

#include <QObject>

#include "operator/progress.h"

namespace zorkan {

class EscapeFilter final : public QObject {
 public:
  explicit EscapeFilter(CancelLatch& latch) : latch_(latch) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CancelLatch& latch_;
};

}  // namespace zorkan
