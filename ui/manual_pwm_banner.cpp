#include "ui/manual_pwm_banner.h"

#include <QLabel>

namespace zorkan {

ManualPwmBanner::ManualPwmBanner(QLabel& banner) : banner_(banner) {
  // Yellow means attention, as on the live pages.
  QPalette colours = banner_.palette();
  colours.setColor(QPalette::Window, Qt::yellow);
  colours.setColor(QPalette::WindowText, Qt::black);
  banner_.setPalette(colours);
}

void ManualPwmBanner::showState(const DirectControl& state) {
  shown_ = state;
  const std::optional<QString> text = ManualPwmText(state);
  banner_.setText(text.value_or(QString()));
  banner_.setVisible(text.has_value());
}

std::optional<QString> ManualPwmText(const DirectControl& state) {
  if (state.controlWord == 0) {
    if (state.wordTaken) return std::nullopt;
    return ManualPwmBanner::tr("Прибор не подтвердил выключение ручного ШИМ");
  }
  QString text = state.dutyKnown
                     ? ManualPwmBanner::tr("Ручное управление ШИМ: реле %1, %2 %")
                           .arg(state.controlWord)
                           .arg(state.duty)
                     : ManualPwmBanner::tr("Ручное управление ШИМ: реле %1").arg(state.controlWord);
  if (!state.wordTaken) text += ' ' + ManualPwmBanner::tr("(не подтверждено)");
  return text;
}

}  // namespace zorkan
