#pragma once
// The banner above the pages that shows, whatever page is open, that the regulator's PWM runs by
// hand: the heater is then driven by the duty set on "Прямое управление", not by the regulator.

#include <QCoreApplication>
#include <QString>
#include <optional>

#include "ui/direct_control_state.h"

class QLabel;

namespace zorkan {

class ManualPwmBanner {
  Q_DECLARE_TR_FUNCTIONS(zorkan::ManualPwmBanner)

 public:
  explicit ManualPwmBanner(QLabel& banner);

  // Shown while the page has PWM access on, and while the instrument may still be in manual
  // control because it did not take the word that switched it off.
  void showState(const DirectControl& state);
  // The state shown last, in the language just chosen.
  void retranslate() { showState(shown_); }

 private:
  QLabel& banner_;
  DirectControl shown_;
};

// "Ручное управление ШИМ: реле 1, 50 %"; nullopt when the instrument sets the PWM itself.
std::optional<QString> ManualPwmText(const DirectControl& state);

}  // namespace zorkan
