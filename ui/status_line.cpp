#include "ui/status_line.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <utility>

#include "operator/link_place.h"
#include "settings/control_conversions.h"
#include "ui/age_text.h"
#include "ui/core_text.h"

namespace zorkan {

namespace {

constexpr int kRefreshMs = 1000;
constexpr int kPartMargin = 2;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// 0 until a read has told the pages which instrument they hold.
std::int32_t SerialOnPages(const DeviceSettings& settings) {
  return ShownSerialNumber(settings.general.serialNumber);
}

// Where the window is too narrow for everything, the confirmation gives way, its end cut.
class ElidingLabel final : public QLabel {
 public:
  using QLabel::QLabel;
  QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), 0, -margin(), 0);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
  }
};

QString TimeOfDay(const LocalTime& time) {
  return QString::asprintf("%02d:%02d:%02d", time.hour, time.minute, time.second);
}

}  // namespace

StatusLine::StatusLine(const DeviceLink& link, const LinkSettings& linkSettings,
                       const DeviceSettings& settings, const Clock& clock,
                       std::filesystem::path workDir, QWidget* parent)
    : QStatusBar(parent),
      link_(link),
      linkSettings_(linkSettings),
      settings_(settings),
      clock_(clock),
      workDir_(std::move(workDir)),
      confirmationPart_(addPart("Confirmation", false)),
      place_(addPart("LinkPlace", true)),
      instrument_(addPart("InstrumentOnPages", true)),
      linkState_(addPart("LinkState", true)) {
  setObjectName("StatusLine");
  setSizeGripEnabled(false);
  linkState_->setAutoFillBackground(true);
  connect(&ticker_, &QTimer::timeout, this, &StatusLine::refresh);
  ticker_.start(kRefreshMs);
  refresh();
}

QLabel* StatusLine::addPart(const char* name, bool permanent) {
  QLabel* part = permanent ? new QLabel(this) : new ElidingLabel(this);
  part->setObjectName(name);
  part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  part->setMargin(kPartMargin);
  if (permanent) {
    addPermanentWidget(part);
  } else {
    addWidget(part, 1);
  }
  return part;
}

void StatusLine::refresh() {
  place_->setText(CoreText(LinkPlaceText(link_, linkSettings_.portNumber, workDir_)));
  place_->setToolTip(Text(link_.portPath()));
  const std::int32_t serial = SerialOnPages(settings_);
  instrument_->setText(serial == 0 ? tr("Прибор: нет данных") : tr("Прибор № %1").arg(serial));

  const std::optional<LinkActivity>& activity = link_.activity();
  QString state = tr("Обмена ещё не было");
  bool attention = false;
  if (activity && activity->target == link_.target()) {
    const auto ago = [&] { return AgoText(clock_.monotonicMs() - *activity->lastAnswerMs); };
    if (activity->answered) {
      state = tr("Отвечает, ответ %1").arg(ago());
    } else {
      state =
          activity->lastAnswerMs ? tr("Не отвечает, ответ был %1").arg(ago()) : tr("Не отвечает");
      attention = true;
    }
  }
  linkState_->setText(state);
  // Yellow means attention, as on the live pages.
  QPalette palette = linkState_->palette();
  palette.setColor(QPalette::Window,
                   attention ? QColor(Qt::yellow) : this->palette().color(QPalette::Window));
  linkState_->setPalette(palette);
}

void StatusLine::showOutcome(bool succeeded, Confirmation confirmation) {
  confirmation_ = succeeded ? std::move(confirmation) : Confirmation();
  confirmedAt_ = clock_.localTime();
  showConfirmation();
  refresh();
}

void StatusLine::showConfirmation() {
  confirmationPart_->setText(confirmation_ ? confirmation_() + ", " + TimeOfDay(confirmedAt_)
                                           : QString());
  confirmationPart_->setToolTip(confirmationPart_->text());
}

void StatusLine::changeEvent(QEvent* event) {
  QStatusBar::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  showConfirmation();
  refresh();
}

Confirmation ReadConfirmation(const DeviceSettings& settings) {
  return [serial = SerialOnPages(settings)] {
    return serial == 0 ? StatusLine::tr("Прочитано из прибора")
                       : StatusLine::tr("Прочитано из прибора № %1").arg(serial);
  };
}

Confirmation WriteConfirmation(const DeviceSettings& settings) {
  return [serial = SerialOnPages(settings)] {
    return serial == 0 ? StatusLine::tr("Записано в прибор")
                       : StatusLine::tr("Записано в прибор № %1").arg(serial);
  };
}

Confirmation AdoptionConfirmation(const FoundInstrument& found) {
  return [serial = found.identity.serialNumber, place = found.place] {
    return StatusLine::tr("Обмен с прибором № %1: адрес %2, %3 бод")
        .arg(serial)
        .arg(place.networkAddress)
        .arg(place.baudRate);
  };
}

}  // namespace zorkan
