#pragma once
// The page "Прямое управление": the regulator's PWM output taken into manual control on relay 1
// or relay 2, its duty read and set by hand, and given back to the instrument. Every action is one
// byte exchange in space 1; a failure is reported and the controls still follow the button.

#include "link/device_link.h"
#include "link/progress.h"
#include "ui/settings_pages.h"

namespace Ui {
class TForm1;
}

namespace zorkan {

class DirectControlPage {
 public:
  DirectControlPage(Ui::TForm1& ui, DeviceLink& link, SettingsPages& pages, DirectControl& state,
                    OperatorDialogs& dialogs, CancelLatch& latch);

  // PWM access off: only switching it on, reading the duty and the duty list are usable.
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
  void report(LinkError result);

  Ui::TForm1& ui_;
  DeviceLink& link_;
  SettingsPages& pages_;
  DirectControl& state_;
  OperatorDialogs& dialogs_;
  CancelLatch& latch_;
};

}  // namespace zorkan
