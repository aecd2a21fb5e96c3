#include "ui/history_texts.h"

#include <QDateTime>
#include <QStringList>
#include <cmath>

#include "live/measurement_log.h"
#include "ui/core_text.h"

namespace zorkan {

namespace {

QString Name(const std::filesystem::path& path) {
  return QString::fromStdString(path.filename().string());
}

QString DateTimeText(const LocalTime& time) {
  return QString::asprintf("%02d.%02d.%04d %02d:%02d", time.day, time.month, time.year, time.hour,
                           time.minute);
}

QString Number(float value) {
  return QString::number(static_cast<double>(value), 'f', 2);
}

}  // namespace

QString HistoryTexts::aboutReadings(const std::vector<std::filesystem::path>& paths,
                                    const std::vector<LogReading>& readings) {
  QStringList sentences;
  QList<QStringList> names;
  for (std::size_t i = 0; i < readings.size(); ++i) {
    const LogReading& reading = readings[i];
    QString text =
        reading.format == LogFormat::CsvLog
            ? tr("время каждой строки записано с датой, миллисекундами и часовым поясом.")
            : tr("в строках нет даты. Последняя строка отнесена ко дню последнего изменения файла "
                 "(%1), каждая более ранняя — на день раньше за каждый переход через полночь "
                 "(переходов: %2). Уставки и единицы — со страниц окна.")
                  .arg(DateTimeText(reading.fileTime))
                  .arg(reading.midnights);
    if (reading.onlyEnd) {
      text += ' ' + tr("Файл больше %1 МБ: показан его конец.").arg(kMostLogBytes / (1024 * 1024));
    }
    if (reading.skippedLines > 0) {
      text +=
          ' ' + tr("Пропущено строк, которые не удалось разобрать: %1.").arg(reading.skippedLines);
    }
    const qsizetype same = sentences.indexOf(text);
    if (same >= 0) {
      names[same] << Name(paths[i]);
    } else {
      sentences << text;
      names << QStringList{Name(paths[i])};
    }
  }
  QStringList notes;
  for (qsizetype i = 0; i < sentences.size(); ++i)
    notes << names[i].join(", ") + ": " + sentences[i];
  return notes.join(' ');
}

QString HistoryTexts::whyNotShown(const std::filesystem::path& path, const LogReading& reading) {
  const QString name = QString::fromStdString(path.string());
  switch (reading.problem) {
    case LogProblem::Missing:
      return tr("Файл %1 не найден.").arg(name);
    case LogProblem::NotAFile:
      return tr("%1 — не файл журнала: это папка, канал или устройство.").arg(name);
    case LogProblem::Unreadable:
      return tr("Не удалось прочитать файл %1.").arg(name);
    case LogProblem::NoLines:
      return reading.skippedLines > 0
                 ? tr("В файле %1 нет строк журнала измерений: ни одну из %2 строк не удалось "
                      "разобрать.")
                       .arg(name)
                       .arg(reading.skippedLines)
                 : tr("Файл %1 пуст.").arg(name);
    case LogProblem::None:
      break;
  }
  return {};
}

QString HistoryTexts::nothingLogged() {
  return tr(
      "Журнала измерений ещё нет. Он пишется, пока открыта страница «Текущие значения» или "
      "«График»: в IZM.txt, когда это включено в dev.dat, и в журнал CSV, когда включён "
      "«Журнал измерений в CSV».");
}

QString HistoryTexts::readout(const MeasurementHistory& history,
                              std::optional<std::size_t> sample) {
  if (!sample) return tr("Нет данных под курсором.");
  const HistorySample& s = history.samples[*sample];
  QStringList parts{QDateTime::fromMSecsSinceEpoch(s.moment).toString("dd.MM.yyyy hh:mm:ss.zzz")};
  for (std::size_t channel = 0; channel < 2; ++channel) {
    const std::uint8_t status = s.measurement.statuses[channel];
    if (status == kStatusChannelOff) continue;
    parts << tr("Канал %1: %2 %3 (%4)")
                 .arg(channel + 1)
                 .arg(Number(s.measurement.values[channel]), CoreText(history.units[channel]),
                      CoreText(MeasurementStatusText(status)));
  }
  if (!std::isnan(s.setpoint)) parts << tr("Регулируемое значение: %1").arg(Number(s.setpoint));
  if (!std::isnan(s.alarmSetpoint)) parts << tr("Уставка: %1").arg(Number(s.alarmSetpoint));
  const auto relay = [&s](std::uint8_t mask) {
    return (s.measurement.relays & mask) != 0 ? tr("вкл.") : tr("выкл.");
  };
  parts << tr("Реле 1 %1, реле 2 %2").arg(relay(kRelay1On), relay(kRelay2On));
  return parts.join("   ");
}

QString HistoryTexts::unwritable(const QString& path) {
  return tr("Не удалось записать файл %1.").arg(path);
}

}  // namespace zorkan
