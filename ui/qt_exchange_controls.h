#pragma once
// The window's controls that start an exchange, disabled while a sequence runs.

#include <QList>
#include <QPointer>
#include <QWidget>

#include "workflows/exchange_controls.h"

namespace zorkan {

class QtExchangeControls final : public ExchangeControls {
 public:
  // `exchangeButtons` are enabled again after every sequence; the `guarded` controls start an
  // exchange of their own besides those buttons and get back the state they had.
  QtExchangeControls(QList<QWidget*> exchangeButtons, QList<QWidget*> guarded);

  void LockExchangeControls() override;
  void UnlockExchangeControls() override;
  // True from LockExchangeControls to UnlockExchangeControls.
  bool exchangeRunning() const { return exchangeRunning_; }

 private:
  QList<QWidget*> exchangeButtons_;
  QList<QPointer<QWidget>> guarded_;
  QList<QPointer<QWidget>> disabledByExchange_;
  bool exchangeRunning_ = false;
};

}  // namespace zorkan
