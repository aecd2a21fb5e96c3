#include "ui/direct_control.h"

#include "operator/result_messages.h"
#include "settings/parameter_map.h"
#include "settings/parameter_transfer.h"
#include "ui/tab_pages.h"
#include "ui/typed_number_choice.h"
#include "ui_main_window.h"

namespace zorkan {

namespace {

constexpr int kInstrumentSetsPwm = 0;
constexpr int kManualOnRelay1 = 1;
constexpr int kManualOnRelay2 = 2;
constexpr int kLargestDuty = 100;

void Enable(std::initializer_list<QWidget*> widgets, bool enabled) {
  for (QWidget* widget : widgets) widget->setEnabled(enabled);
}

}  // namespace

DirectControlPage::DirectControlPage(Ui::TForm1& ui, DeviceLink& link, OperatorDialogs& dialogs,
                                     CancelLatch& latch)
    : ui_(ui), link_(link), dialogs_(dialogs), latch_(latch), banner_(*ui.ManualPwmBanner) {
  ui_.ComboBox30->clear();
  for (int duty = 0; duty <= kLargestDuty; ++duty) {
    ui_.ComboBox30->addItem(QString::asprintf("%3d", duty));
  }
  new TypedNumberChoice(*ui_.ComboBox30);
}

void DirectControlPage::setInitialState() {
  state_ = DirectControl{};
  showDuty();
  banner_.showState(state_);
  Enable({ui_.Button13, ui_.Button15}, false);
  Enable({ui_.Button12, ui_.Button14, ui_.ComboBox30}, true);
  Enable({ui_.RadioGroup1, ui_.RadioButton1, ui_.RadioButton2}, false);
  ui_.RadioButton1->setChecked(true);
  ui_.RadioButton2->setChecked(false);
}

bool DirectControlPage::pageShown() const {
  return ui_.TabbedNotebook1->currentIndex() == kDirectControlPage;
}

void DirectControlPage::report(LinkError result) {
  if (result != kOk) ReportResult(result, dialogs_, latch_);
}

void DirectControlPage::writeControlWord() {
  state_.controlWord = ui_.RadioButton1->isChecked() ? kManualOnRelay1 : kManualOnRelay2;
  sendControlWord();
}

// The banner follows what the instrument was told, before a failure's box waits for the operator.
void DirectControlPage::sendControlWord() {
  const LinkError result = WriteParameter(link_, PwmControlWordParam(), state_.controlWord);
  state_.wordTaken = result == kOk;
  banner_.showState(state_);
  report(result);
}

void DirectControlPage::Button12Click() {
  if (!pageShown()) return;
  writeControlWord();
  Enable({ui_.Button13, ui_.Button14, ui_.Button15, ui_.ComboBox30, ui_.RadioGroup1,
          ui_.RadioButton1, ui_.RadioButton2},
         true);
  Enable({ui_.Button12}, false);
}

void DirectControlPage::Button13Click() {
  if (!pageShown()) return;
  state_.controlWord = kInstrumentSetsPwm;
  sendControlWord();
  Enable({ui_.Button13, ui_.Button15, ui_.RadioGroup1, ui_.RadioButton1, ui_.RadioButton2}, false);
  Enable({ui_.Button12, ui_.Button14, ui_.ComboBox30}, true);
}

void DirectControlPage::Button14Click() {
  std::int32_t duty = state_.duty;
  const LinkError result = ReadParameter(link_, PwmDutyParam(), duty);
  if (result == kOk) {
    state_.duty = duty;
    state_.dutyKnown = true;
    banner_.showState(state_);
  }
  report(result);
  showDuty();
}

// A duty the list does not hold leaves it without a selection.
void DirectControlPage::showDuty() {
  ui_.ComboBox30->setCurrentIndex(state_.duty <= kLargestDuty ? state_.duty : -1);
}

// The word goes first and the duty after it, also when the word was refused: the operator asked
// for both.
void DirectControlPage::Button15Click() {
  if (!pageShown()) return;
  state_.duty = ui_.ComboBox30->currentIndex();
  writeControlWord();
  const LinkError result = WriteParameter(link_, PwmDutyParam(), state_.duty);
  state_.dutyKnown = result == kOk;
  banner_.showState(state_);
  report(result);
}

void DirectControlPage::RadioButton1Click() {
  if (!pageShown()) return;
  ui_.RadioButton2->setChecked(false);
  writeControlWord();
}

void DirectControlPage::RadioButton2Click() {
  if (!pageShown()) return;
  ui_.RadioButton1->setChecked(false);
  writeControlWord();
}

}  // namespace zorkan
