#include "ui/live_page.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>

#include "ini/number_text.h"
#include "live/measurement_log.h"
#include "ui/age_text.h"
#include "ui/core_text.h"
#include "ui/tab_pages.h"
#include "ui_main_window.h"

namespace zorkan {

namespace {

constexpr std::uint8_t kNormalMeasurement = 0;
constexpr std::uint8_t kChannelOff = 12;

QColor Neutral() {
  return QApplication::palette().color(QPalette::Button);
}

void Paint(QLabel* panel, const QColor& colour) {
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, colour);
  panel->setPalette(palette);
}

// What an indicator's two states are called: a screen reader cannot see its colour.
struct StateWords {
  const char* on;
  const char* off;
};
constexpr StateWords kSetpointWords{QT_TRANSLATE_NOOP("zorkan::LivePage", "достигнута"),
                                    QT_TRANSLATE_NOOP("zorkan::LivePage", "не достигнута")};
constexpr StateWords kBreakWords{QT_TRANSLATE_NOOP("zorkan::LivePage", "обрыв датчика"),
                                 QT_TRANSLATE_NOOP("zorkan::LivePage", "нет обрыва")};
constexpr StateWords kRelayWords{QT_TRANSLATE_NOOP("zorkan::LivePage", "включено"),
                                 QT_TRANSLATE_NOOP("zorkan::LivePage", "выключено")};
constexpr StateWords kKeyWords{QT_TRANSLATE_NOOP("zorkan::LivePage", "нажата"),
                               QT_TRANSLATE_NOOP("zorkan::LivePage", "не нажата")};
constexpr StateWords kEncoderWords{QT_TRANSLATE_NOOP("zorkan::LivePage", "горит"),
                                   QT_TRANSLATE_NOOP("zorkan::LivePage", "не горит")};
constexpr std::size_t kKeyCount = 5;  // "У", "П", "Ш", "0", "Диапазон"; then the encoder's two

// Yellow means active or attention.
void Indicate(QLabel* indicator, std::uint8_t bits, std::uint8_t mask, const StateWords& words) {
  const bool on = (bits & mask) != 0;
  Paint(indicator, on ? QColor(Qt::yellow) : Neutral());
  indicator->setAccessibleDescription(LivePage::tr(on ? words.on : words.off));
}

void ShowChannel(QLabel* value, QLabel* status, const ChannelLiveValues& channel) {
  value->setText(QString::fromStdString(FormatFixed(channel.value)));
  status->setText(CoreText(MeasurementStatusText(channel.status)));
  if (channel.status == kNormalMeasurement) {
    Paint(value, Qt::white);
    Paint(status, Neutral());
  } else if (channel.status == kChannelOff) {
    Paint(value, Neutral());
    Paint(status, Neutral());
  } else {
    Paint(value, Qt::yellow);
    Paint(status, Qt::yellow);
  }
}

}  // namespace

LivePage::LivePage(Ui::TForm1& ui, QMainWindow& window, const DeviceSettings& settings,
                   const Clock& clock)
    : ui_(ui),
      window_(window),
      settings_(settings),
      clock_(clock),
      chart_(ui.Image1->width(), ui.Image1->height()) {
  ui_.Image1->setPixmap(QPixmap::fromImage(chart_.image()));
  // The chart page's value panel is white like the measured values.
  Paint(ui_.Panel27, Qt::white);
}

bool LivePage::livePageShown() const {
  const int page = ui_.TabbedNotebook1->currentIndex();
  return (page == kCurrentValuesPage || page == kChartPage) &&
         QApplication::activeModalWidget() == nullptr;
}

void LivePage::repaint() {
  window_.repaint();
}

void LivePage::ShowLiveValues(const LiveValues& values) {
  shownValues_ = values;
  const ChannelLiveValues& first = values.channels[0];
  const ChannelLiveValues& second = values.channels[1];
  ShowChannel(ui_.Panel3, ui_.Panel4, first);
  ShowChannel(ui_.Panel8, ui_.Panel9, second);
  ui_.Panel27->setText(ui_.Panel3->text());
  Indicate(ui_.Panel7, first.flags, kSetpoint1Reached, kSetpointWords);
  Indicate(ui_.Panel6, first.flags, kSetpoint2Reached, kSetpointWords);
  Indicate(ui_.Panel5, first.flags, kSensorBreak, kBreakWords);
  Indicate(ui_.Panel12, second.flags, kSetpoint1Reached, kSetpointWords);
  Indicate(ui_.Panel11, second.flags, kSetpoint2Reached, kSetpointWords);
  Indicate(ui_.Panel10, second.flags, kSensorBreak, kBreakWords);
  Indicate(ui_.Panel13, values.relays, 0x01, kRelayWords);
  Indicate(ui_.Panel14, values.relays, 0x02, kRelayWords);
  QLabel* const keys[] = {ui_.Panel15, ui_.Panel16, ui_.Panel17, ui_.Panel18,
                          ui_.Panel19, ui_.Panel20, ui_.Panel21};
  for (std::size_t bit = 0; bit < std::size(keys); ++bit) {
    Indicate(keys[bit], values.keys, static_cast<std::uint8_t>(1u << bit),
             bit < kKeyCount ? kKeyWords : kEncoderWords);
  }
}

void LivePage::DrawTrendPoint(const LiveValues& values) {
  const ChannelSettings& channel = settings_.channels[0];
  const ChannelLiveValues& first = values.channels[0];
  chart_.DrawTrendPoint(channel.rangeMax, channel.rangeMin, first.value,
                        (first.flags & kSensorBreak) != 0);
  ui_.Image1->setPixmap(QPixmap::fromImage(chart_.image()));
}

void LivePage::showAnswerStatus(const AnswerStatus& status) {
  shownStatus_ = status;
  const QString text = CoreText(status.text);
  for (QLabel* panel : {ui_.Panel22, ui_.Panel28}) {
    panel->setText(text);
    Paint(panel, status.attention ? QColor(Qt::yellow) : Neutral());
  }
}

// Drawn over the colours ShowLiveValues gave, which come back with the next good poll (the
// chart's value panel, which it leaves white, is made white again here).
void LivePage::showFreshness(const LiveFreshness& freshness) {
  shownFreshness_ = freshness;
  if (!freshness.stale) Paint(ui_.Panel27, Qt::white);
  for (QLabel* panel : {ui_.Panel3, ui_.Panel4, ui_.Panel8, ui_.Panel9, ui_.Panel27}) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::WindowText,
                     freshness.stale ? QColor(Qt::darkGray)
                                     : QApplication::palette().color(QPalette::WindowText));
    if (freshness.stale) palette.setColor(QPalette::Window, Neutral());
    panel->setPalette(palette);
  }
  const QString age = freshness.lastGoodMs
                          ? tr("Значения не обновляются: получены %1")
                                .arg(AgoText(clock_.monotonicMs() - *freshness.lastGoodMs))
                          : tr("Значения не обновляются: от прибора их ещё не было");
  for (QLabel* label : {ui_.ValuesAge, ui_.ChartValueAge}) {
    label->setText(age);
    label->setVisible(freshness.stale);
  }
}

// Freshness last: it is drawn over what the values showed.
void LivePage::retranslate() {
  if (shownValues_) ShowLiveValues(*shownValues_);
  if (shownStatus_) showAnswerStatus(*shownStatus_);
  if (shownFreshness_) showFreshness(*shownFreshness_);
}

}  // namespace zorkan
