#include "ui/language_change.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace zorkan {

namespace {

class LanguageChangeFilter final : public QObject {
 public:
  LanguageChangeFilter(QWidget& widget, std::function<void()> retranslate)
      : QObject(&widget), retranslate_(std::move(retranslate)) {
    widget.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    // After the widget's children have taken the change themselves: a dialog's standard buttons
    // give back their standard texts then.
    if (event->type() == QEvent::LanguageChange && watched == parent()) {
      QTimer::singleShot(0, this, retranslate_);
    }
    return false;
  }

 private:
  std::function<void()> retranslate_;
};

}  // namespace

void OnLanguageChange(QWidget& widget, std::function<void()> retranslate) {
  new LanguageChangeFilter(widget, std::move(retranslate));
}

}  // namespace zorkan
