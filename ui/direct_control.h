#pragma once
// The page "Прямое управление": the regulator's PWM output taken into manual control on relay 1
// or relay 2, its duty read and set by hand, and given back to the instrument. Every action is one
// byte exchange in space 1; a failure is reported and the controls still follow the button.

#include "link/device_link.h"
#include "operator/operator_dialogs.h"
#include "operator/progress.h"
#include "ui/manual_pwm_banner.h"

namespace Ui {
class TForm1;
}

namespace zorkan {

// The PWM state of the page; not part of the model nor of any profile.
struct DirectControl {
  int controlWord = 0;  // 0: the instrument sets the PWM; 1 or 2: manual duty on relay 1 or 2
  int duty = 0;         // per cent
  // The instrument took the last control word sent; before the first there is nothing to doubt.
  bool wordTaken = true;
  // `duty` is what the instrument holds: read from it or written to it in this run.
  bool dutyKnown = false;
};

class DirectControlPage {
 public:
  // Fills the duty list, which takes typed digits.
  DirectControlPage(Ui::TForm1& ui, DeviceLink& link, OperatorDialogs& dialogs, CancelLatch& latch);

  // PWM access off, duty 0: only switching it on, reading the duty and the duty list are usable.
  // The button that switches access on is usable only while it is off, and the one that switches
  // it off only while it is on.
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
  void sendControlWord();
  void showDuty();
  void report(LinkError result);

  Ui::TForm1& ui_;
  DeviceLink& link_;
  DirectControl state_;
  OperatorDialogs& dialogs_;
  CancelLatch& latch_;
  // Above the pages: the manual PWM in sight whatever page is open.
  ManualPwmBanner banner_;
};

}  // namespace zorkan
