#include "ui/qt_exchange_controls.h"

#include <utility>

namespace zorkan {

QtExchangeControls::QtExchangeControls(QList<QWidget*> exchangeButtons, QList<QWidget*> guarded)
    : exchangeButtons_(std::move(exchangeButtons)) {
  for (QWidget* widget : guarded) guarded_.append(widget);
}

void QtExchangeControls::LockExchangeControls() {
  exchangeRunning_ = true;
  for (QWidget* control : exchangeButtons_) control->setEnabled(false);
  disabledByExchange_.clear();
  for (const QPointer<QWidget>& widget : guarded_) {
    if (widget && widget->isEnabled()) {
      widget->setEnabled(false);
      disabledByExchange_.append(widget);
    }
  }
}

void QtExchangeControls::UnlockExchangeControls() {
  for (QWidget* control : exchangeButtons_) control->setEnabled(true);
  for (const QPointer<QWidget>& widget : disabledByExchange_) {
    if (widget) widget->setEnabled(true);
  }
  disabledByExchange_.clear();
  exchangeRunning_ = false;
}

}  // namespace zorkan
