#include "ui/typed_number_choice.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

namespace zorkan {

TypedNumberChoice::TypedNumberChoice(QComboBox& list) : QObject(&list), list_(list) {
  list_.installEventFilter(this);
  list_.view()->installEventFilter(this);
}

int TypedNumberChoice::itemOf(const QString& digits) const {
  for (int item = 0; item < list_.count(); ++item) {
    if (list_.itemText(item).trimmed() == digits) return item;
  }
  return -1;
}

bool TypedNumberChoice::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const QString text = static_cast<QKeyEvent*>(event)->text();
  if (text.size() != 1 || !text.front().isDigit()) {
    typed_.clear();
    return QObject::eventFilter(watched, event);
  }
  // A pause as long as Qt's own typed search allows starts a new number.
  if (!sinceLastDigit_.isValid() ||
      sinceLastDigit_.elapsed() > QApplication::keyboardInputInterval()) {
    typed_.clear();
  }
  sinceLastDigit_.start();
  int item = itemOf(typed_ + text);
  if (item >= 0) {
    typed_ += text;
  } else {
    // "5", "0", "7": no 507, so the 7 starts the next number.
    typed_ = text;
    item = itemOf(typed_);
  }
  if (item >= 0) {
    list_.setCurrentIndex(item);
    list_.view()->setCurrentIndex(list_.model()->index(item, list_.modelColumn()));
  }
  return true;
}

}  // namespace zorkan
