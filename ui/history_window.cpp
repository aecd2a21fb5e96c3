#include "ui/history_window.h"

#include <QDateTime>
#include <QEvent>
#include <QFileDialog>
#include <QStringList>
#include <cmath>
#include <utility>

#include "history/csv_history.h"
#include "history/decimation.h"
#include "history/log_reading.h"
#include "history/newest_logs.h"
#include "ini/atomic_file.h"
#include "live/sensor_units.h"
#include "ui/chart_pictures.h"
#include "ui/history_chart_view.h"
#include "ui/history_texts.h"
#include "ui_history_window.h"

namespace zorkan {

namespace {

QString PathText(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

}  // namespace

HistoryWindow::HistoryWindow(HistorySources sources, const DeviceSettings& pages,
                             ToolSettings& toolSettings, CsvMeasurementLog& csvLog, QWidget* parent)
    : QWidget(parent, Qt::Window),
      ui_(std::make_unique<Ui::HistoryWindow>()),
      sources_(std::move(sources)),
      pages_(pages),
      toolSettings_(toolSettings),
      csvLog_(csvLog) {
  ui_->setupUi(this);
  ui_->CsvLog->setChecked(csvLog_.on());
  connectHandlers();
}

HistoryWindow::~HistoryWindow() = default;

HistoryChartView& HistoryWindow::chart() {
  return *ui_->Chart;
}

void HistoryWindow::connectHandlers() {
  connect(ui_->OpenLog, &QPushButton::clicked, this, [this] { chooseLogs(); });
  connect(ui_->Reload, &QPushButton::clicked, this, [this] { reload(); });
  connect(ui_->CsvLog, &QCheckBox::toggled, this, [this](bool on) { switchCsvLog(on); });
  connect(ui_->ShowAll, &QPushButton::clicked, this, [this] { chart().showAll(); });
  connect(ui_->ExportCsv, &QPushButton::clicked, this, [this] {
    const auto path = askExportPath(ui_->ExportCsv->text(), tr("Журнал CSV (*.csv)"), "csv");
    if (!path.empty()) exportShownCsv(path);
  });
  connect(ui_->ExportPng, &QPushButton::clicked, this, [this] {
    const auto path = askExportPath(ui_->ExportPng->text(), tr("Рисунок PNG (*.png)"), "png");
    if (!path.empty()) saveChartPng(path);
  });
  connect(ui_->ExportPdf, &QPushButton::clicked, this, [this] {
    const auto path = askExportPath(ui_->ExportPdf->text(), tr("Документ PDF (*.pdf)"), "pdf");
    if (!path.empty()) saveChartPdf(path);
  });
  connect(ui_->Close, &QPushButton::clicked, this, &QWidget::close);
  chart().onCursorMoved([this](std::optional<double> moment) { showReadout(moment); });
}

void HistoryWindow::openNewest() {
  const std::vector<std::filesystem::path> logs =
      NewestLogs(sources_.workDir, sources_.measurementLog);
  if (logs.empty()) {
    shownLogs_.clear();
    readings_.clear();
    showDatingNote();
    chart().content().setHistory(history_, std::nullopt);
    return;
  }
  open(logs);
}

void HistoryWindow::open(const std::vector<std::filesystem::path>& logs) {
  std::vector<LogReading> readings;
  std::vector<std::filesystem::path> shown;
  QStringList problems;
  for (const std::filesystem::path& log : logs) {
    LogReading reading = ReadMeasurementLog(log);
    if (reading.problem != LogProblem::None) {
      problems << HistoryTexts::whyNotShown(log, reading);
      continue;
    }
    for (std::size_t channel = 0; channel < reading.history.units.size(); ++channel) {
      if (reading.history.units[channel].empty()) {
        reading.history.units[channel] = SensorUnitText(pages_.channels[channel]);
      }
    }
    readings.push_back(std::move(reading));
    shown.push_back(log);
  }
  if (!problems.isEmpty()) {
    ShowMessage(dialogs_, windowTitle().toStdString(), problems.join('\n').toStdString(),
                DialogIcon::Warning);
  }
  if (readings.empty()) return;
  std::vector<MeasurementHistory> histories;
  for (LogReading& reading : readings) histories.push_back(std::exchange(reading.history, {}));
  history_ = Joined(std::move(histories));
  shownLogs_ = std::move(shown);
  readings_ = std::move(readings);
  showDatingNote();
  QStringList names;
  for (const std::filesystem::path& log : shownLogs_) names << PathText(log.filename());
  ui_->Source->setText(names.join(", "));
  chart().content().setHistory(
      history_, SetpointLevels{pages_.channels[0].setpoint1, pages_.channels[1].setpoint1});
  ui_->CursorReadout->clear();
  readoutMoment_.reset();
}

void HistoryWindow::showDatingNote() {
  ui_->DatingNote->setText(readings_.empty() ? HistoryTexts::nothingLogged()
                                             : HistoryTexts::aboutReadings(shownLogs_, readings_));
}

void HistoryWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  ui_->retranslateUi(this);
  showDatingNote();
  showReadout(readoutMoment_);
  chart().content().retranslate();
}

void HistoryWindow::chooseLogs() {
  QFileDialog dialog(this, ui_->OpenLog->text().remove('&'), PathText(sources_.workDir));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setNameFilters(
      {tr("Журналы измерений (IZM*.txt IZM-*.csv *.txt *.csv)"), tr("Все файлы (*)")});
  if (dialog.exec() != QDialog::Accepted) return;
  std::vector<std::filesystem::path> logs;
  for (const QString& file : dialog.selectedFiles()) logs.emplace_back(file.toStdString());
  open(logs);
}

void HistoryWindow::reload() {
  if (shownLogs_.empty()) {
    openNewest();
    return;
  }
  HistoryChart& content = chart().content();
  const bool wholeShown = content.view() == content.everything();
  const ChartView before = content.view();
  open(shownLogs_);
  if (!wholeShown) content.show(before);
}

void HistoryWindow::switchCsvLog(bool on) {
  csvLog_.switchOn(on);
  if (!toolSettings_.setCsvMeasurementLog(on)) {
    ShowMessage(dialogs_, windowTitle().toStdString(),
                (HistoryTexts::unwritable(PathText(toolSettings_.path())) + ' ' +
                 tr("Выбор действует до закрытия программы."))
                    .toStdString(),
                DialogIcon::Warning);
  }
}

void HistoryWindow::showReadout(std::optional<double> moment) {
  if (!moment) return;
  readoutMoment_ = moment;
  std::optional<std::size_t> sample = NearestSample(history_.samples, *moment);
  if (sample && std::abs(static_cast<double>(history_.samples[*sample].moment) - *moment) >
                    chart().content().gapMs()) {
    sample.reset();
  }
  ui_->CursorReadout->setText(HistoryTexts::readout(history_, sample));
}

std::filesystem::path HistoryWindow::askExportPath(const QString& caption, const QString& filter,
                                                   const QString& suffix) {
  // Not named like a day's CSV log, which it would pass for.
  const qint64 begin = std::llround(chart().content().view().span.begin);
  const QString name = "history-" + QDateTime::fromMSecsSinceEpoch(begin).toString("yyyyMMdd-hhmm");
  QFileDialog dialog(this, QString(caption).remove('&'),
                     PathText(sources_.workDir / (name + '.' + suffix).toStdString()));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters({filter});
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toStdString();
}

bool HistoryWindow::exportShownCsv(const std::filesystem::path& path) {
  const TimeSpan span = chart().content().view().span;
  return reportWritten(
      ReplaceFileAtomically(path, CsvHistoryText(history_, std::llround(std::floor(span.begin)),
                                                 std::llround(std::ceil(span.end)))),
      path);
}

bool HistoryWindow::saveChartPng(const std::filesystem::path& path) {
  return reportWritten(SaveChartPng(chart(), PathText(path)), path);
}

bool HistoryWindow::saveChartPdf(const std::filesystem::path& path) {
  const TimeSpan span = chart().content().view().span;
  const auto at = [](double moment) {
    return QDateTime::fromMSecsSinceEpoch(std::llround(moment)).toString("dd.MM.yyyy hh:mm:ss");
  };
  const QString title =
      tr("История измерений: %1, %2 — %3").arg(ui_->Source->text(), at(span.begin), at(span.end));
  return reportWritten(SaveChartPdf(chart(), PathText(path), title), path);
}

bool HistoryWindow::reportWritten(bool written, const std::filesystem::path& path) {
  if (!written) {
    ShowMessage(dialogs_, windowTitle().toStdString(),
                HistoryTexts::unwritable(PathText(path)).toStdString(), DialogIcon::Error);
  }
  return written;
}

}  // namespace zorkan
