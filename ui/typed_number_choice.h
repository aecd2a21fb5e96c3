#pragma once
// A list of numbers written right-aligned ("  0" to "100") takes typed digits: "5", "0" selects
// 50. Qt's own search by typed text never matches the blanks before a number.

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QComboBox;

namespace zorkan {

class TypedNumberChoice final : public QObject {
 public:
  // Watches `list` and its drop-down; the list owns the watcher.
  explicit TypedNumberChoice(QComboBox& list);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The item of the number typed so far; -1 when there is none.
  int itemOf(const QString& digits) const;

  QComboBox& list_;
  QString typed_;
  QElapsedTimer sinceLastDigit_;
};

}  // namespace zorkan
