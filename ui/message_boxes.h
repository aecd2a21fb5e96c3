#pragma once
// The operator's boxes as Qt message boxes: the stop symbol for errors, the exclamation mark for
// warnings, OK or Yes/No from Qt's own translation (Да/Нет in Russian). The core's texts are shown
// in the window's language (CoreText).

#include "operator/operator_dialogs.h"

class QWidget;

namespace zorkan {

class MessageBoxes final : public OperatorDialogs {
 public:
  explicit MessageBoxes(QWidget& mainWindow) : mainWindow_(mainWindow) {}

  DialogAnswer ask(const DialogMessage& message) override;
  void bringMainWindowForward() override;

 private:
  QWidget& mainWindow_;
};

}  // namespace zorkan
