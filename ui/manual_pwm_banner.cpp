#include "ui/manual_pwm_banner.h"

#include <QLabel>

#include "ui/direct_control.h"

namespace zorkan {

ManualPwmBanner::ManualPwmBanner(QLabel& banner) : banner_(banner) {
  // Yellow means attention, as on the live pages.
  QPalette colours = banner_.palette();
  colours.setColor(QPalette::Window, Qt::yellow);
  colours.setColor(QPalette::WindowText, Qt::black);
  banner_.setPalette(colours);
}

void ManualPwmBanner::showState(const DirectControl& state) {
  const std::optional<QString> text = ManualPwmText(state);
  banner_.setText(text.value_or(QString()));
  banner_.setVisible(text.has_value());
}

std::optional<QString> ManualPwmText(const DirectControl& state) {
  if (state.controlWord == 0) {
    if (state.wordTaken) return std::nullopt;
    return "Прибор не подтвердил выключение ручного ШИМ";
  }
  QString text = "Ручное управление ШИМ: реле " + QString::number(state.controlWord);
  if (state.dutyKnown) text += ", " + QString::number(state.duty) + " %";
  if (!state.wordTaken) text += " (не подтверждено)";
  return text;
}

}  // namespace zorkan
