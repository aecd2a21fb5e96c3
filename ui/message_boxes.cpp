#include "ui/message_boxes.h"

#include <QLabel>
#include <QMessageBox>
#include <QWidget>

#include "ui/core_text.h"

namespace zorkan {

namespace {

constexpr int kDetailWidth = 340;

QMessageBox::Icon IconOf(DialogIcon icon) {
  switch (icon) {
    case DialogIcon::Error:
      return QMessageBox::Critical;
    case DialogIcon::Warning:
      return QMessageBox::Warning;
    case DialogIcon::Information:
      return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

DialogAnswer MessageBoxes::ask(const DialogMessage& message) {
  const bool question = message.buttons == DialogButtons::YesNo;
  QMessageBox box(IconOf(message.icon), CoreText(message.caption), CoreText(message.text),
                  question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, &mainWindow_);
  box.setInformativeText(CoreText(message.detail));
  // A short text would make the box so narrow that the detail wraps at every other word.
  if (auto* detail = box.findChild<QLabel*>("qt_msgbox_informativelabel")) {
    detail->setMinimumWidth(kDetailWidth);
  }
  const int answer = box.exec();
  if (!question) return DialogAnswer::Ok;
  return answer == QMessageBox::Yes ? DialogAnswer::Yes : DialogAnswer::No;
}

void MessageBoxes::bringMainWindowForward() {
  mainWindow_.show();
  mainWindow_.raise();
  mainWindow_.activateWindow();
  mainWindow_.repaint();
}

}  // namespace zorkan
