#pragma once
// The page "Прямое управление": the regulator's PWM output taken into manual control on relay 1
// or relay 2, its duty read and set by hand, and given back to the instrument. Every action is one
// byte exchange in space 1; a failure is reported and the controls still follow the button.

#include "link/device_link.h"
#include "operator/operator_dialogs.h"
#include "operator/progress.h"
#include "ui/direct_control_state.h"
#include "ui/manual_pwm_banner.h"

namespace Ui {
class TForm1;
}

namespace zorkan {

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
  // The banner in the language just chosen.
  void retranslate() { banner_.retranslate(); }

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
