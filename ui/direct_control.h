#pragma once
// The page "Прямое управление": the regulator's PWM output taken into manual control on relay 1
// or relay 2, its duty read and set by hand, and given back to the instrument. Every action is one
// byte exchange in space 1; a failure is reported and the controls still follow the button.

#include "link/device_link.h"
#include "operator/operator_dialogs.h"
#include "operator/progress.h"

namespace Ui {
class TForm1;
}

namespace zorkan {

// The PWM state of the page; not part of the model nor of any profile.
struct DirectControl {
  int controlWord = 0;  // 0: the instrument sets the PWM; 1 or 2: manual duty on relay 1 or 2
  int duty = 0;         // per cent
};

class DirectControlPage {
 public:
  // Fills the duty list.
  DirectControlPage(Ui::TForm1& ui, DeviceLink& link, OperatorDialogs& dialogs, CancelLatch& latch);

  // PWM access off, duty 0: only switching it on, reading the duty and the duty list are usable.
  void setInitialState();

  void Button12Click();
  void Button13Click();
  void Button14Click();
  void Button15Click();
  void RadioButton1Click();
  void RadioButton2Click();

 private:
  bool pageShown() const;
  void writeControlWord();
  void showDuty();
  void report(LinkError result);

  Ui::TForm1& ui_;
  DeviceLink& link_;
  DirectControl state_;
  OperatorDialogs& dialogs_;
  CancelLatch& latch_;
};

}  // namespace zorkan
