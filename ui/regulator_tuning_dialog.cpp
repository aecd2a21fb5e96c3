#include "ui/regulator_tuning_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <algorithm>
#include <chrono>
#include <utility>

#include "ui/core_text.h"
#include "ui_regulator_tuning_dialog.h"
#include "workflows/regulator_parameters.h"
#include "workflows/tuned_coefficients.h"

namespace zorkan {

namespace {

using tuning::RegulatorCoefficients;
using tuning::StepMetrics;

constexpr double kSecondsPerMinute = 60;
constexpr double kDefaultMargin = 50;  // the maximum temperature offered above the target
const QColor kMeasuredColour(0, 0, 255);
const QColor kTargetColour(0, 0, 0);
const QColor kHeaterColour(230, 60, 40);
const QColor kCurrentColour(140, 140, 140);
const QColor kProposedColour(0, 110, 0);

QString Fixed(double value, int decimals) {
  return QString::number(value, 'f', decimals);
}

// As the instrument's float holds it and an operator types it: 97.3, not 97.30000305.
QString Typed(double value) {
  return QString::number(static_cast<float>(value), 'g', 6);
}

QString SettlingText(double settlingS) {
  return settlingS < 0 ? RegulatorTuningDialog::tr("не установится") : Fixed(settlingS, 0);
}

void FillTable(QTableWidget& table, const std::vector<QStringList>& rows) {
  table.clearContents();
  table.setRowCount(static_cast<int>(rows.size()));
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (int column = 0; column < rows[row].size(); ++column) {
      table.setItem(static_cast<int>(row), column, new QTableWidgetItem(rows[row][column]));
    }
  }
  // The captions as wide as they are, the values sharing the rest.
  QHeaderView& header = *table.horizontalHeader();
  header.setSectionResizeMode(0, QHeaderView::ResizeToContents);
  for (int column = 1; column < table.columnCount(); ++column) {
    header.setSectionResizeMode(column, QHeaderView::Stretch);
  }
  table.resizeRowsToContents();
}

QString CheckFigures(const StepCheckResult& check) {
  return RegulatorTuningDialog::tr(
             "Ступенька %1 → %2 на объекте: перерегулирование %3 % (по модели %4 %), время "
             "установления %5 с (%6 с), интегральная ошибка %7 °C·с (%8 °C·с).")
      .arg(Fixed(check.from, 1), Fixed(check.to, 1), Fixed(check.measured.overshootPercent, 1),
           Fixed(check.predicted.metrics.overshootPercent, 1),
           SettlingText(check.measured.settlingS), SettlingText(check.predicted.metrics.settlingS),
           Fixed(check.measured.iae, 0), Fixed(check.predicted.metrics.iae, 0));
}

}  // namespace

// The step and the temperature of the running experiment, in the dialog's own lines: the window's
// progress panel lies under the dialog.
class RegulatorTuningDialog::Panel final : public ProgressPanel {
 public:
  Panel(QLabel& step, QLabel& reading) : step_(step), reading_(reading) {}

  void setLines(const ProgressLines& lines) override {
    shown_ = lines;
    showLines();
    // Seen during the blocking transaction that follows, as on the window's panel.
    step_.repaint();
    reading_.repaint();
  }
  void setVisible(bool visible) override {
    if (visible) return;
    step_.clear();
    reading_.clear();
  }
  void processPendingEvents() override { QCoreApplication::processEvents(); }
  // The lines shown last, in the language just chosen.
  void retranslate() {
    if (!step_.text().isEmpty() || !reading_.text().isEmpty()) showLines();
  }

 private:
  void showLines() {
    step_.setText(CoreText(shown_[2]));
    reading_.setText(CoreText(shown_[3]));
  }

  QLabel& step_;
  QLabel& reading_;
  ProgressLines shown_;
};

// The window's exchange controls and the dialog's own: nothing else starts an exchange while one
// runs from here.
class RegulatorTuningDialog::Controls final : public ExchangeControls {
 public:
  Controls(ExchangeControls& window, RegulatorTuningDialog& dialog)
      : window_(window), dialog_(dialog) {}

  void LockExchangeControls() override {
    window_.LockExchangeControls();
    dialog_.setRunning(true);
  }
  void UnlockExchangeControls() override {
    dialog_.setRunning(false);
    window_.UnlockExchangeControls();
  }

 private:
  ExchangeControls& window_;
  RegulatorTuningDialog& dialog_;
};

RegulatorTuningDialog::RegulatorTuningDialog(ExchangeContext& window, DeviceSettings& settings,
                                             SettingsView& pages, ExperimentPacing& pacing,
                                             QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::RegulatorTuningDialog>()),
      window_(window),
      settings_(settings),
      pages_(pages),
      pacing_(pacing) {
  ui_->setupUi(this);
  panel_ = std::make_unique<Panel>(*ui_->ProgressStepLabel, *ui_->ProgressReadingLabel);
  progress_ = std::make_unique<Progress>(*panel_, window_.latch);
  controls_ = std::make_unique<Controls>(window_.controls, *this);
  exchange_ = std::make_unique<ExchangeContext>(ExchangeContext{
      window_.link, *progress_, window_.latch, dialogs_, *controls_, window_.journal});
  const double target = settings_.channels[0].setpoint1;
  ui_->TargetEdit->setValue(target);
  ui_->MaxTemperatureEdit->setValue(target + kDefaultMargin);
  ui_->ExperimentChart->setAxisCaptions(QT_TRANSLATE_NOOP("zorkan::CurveChart", "мин"),
                                        QT_TRANSLATE_NOOP("zorkan::CurveChart", "°C"));
  ui_->PredictionChart->setAxisCaptions(QT_TRANSLATE_NOOP("zorkan::CurveChart", "с"),
                                        QT_TRANSLATE_NOOP("zorkan::CurveChart", "°C"));
  connect(ui_->StartButton, &QPushButton::clicked, this,
          [this] { runBusy([this] { startExperiment(); }); });
  connect(ui_->StopButton, &QPushButton::clicked, this, [this] { window_.latch.press(); });
  connect(ui_->WriteButton, &QPushButton::clicked, this,
          [this] { runBusy([this] { writeProposed(); }); });
  connect(ui_->CheckButton, &QPushButton::clicked, this,
          [this] { runBusy([this] { checkWithStep(); }); });
  connect(ui_->CloseButton, &QPushButton::clicked, this, [this] { close(); });
  showState();
}

RegulatorTuningDialog::~RegulatorTuningDialog() = default;

void RegulatorTuningDialog::reject() {
  if (busy_) {
    window_.latch.press();
    return;
  }
  QDialog::reject();
}

void RegulatorTuningDialog::closeEvent(QCloseEvent* event) {
  // Closed in the middle of a run, the dialog would leave the heater under manual PWM: the run
  // stops first, gives the instrument its regulation back, and the dialog closes then. A write
  // runs to its end instead, so that a close leaves nothing half-written.
  if (busy_) {
    if (!writing_) window_.latch.press();
    closeWhenDone_ = true;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void RegulatorTuningDialog::runBusy(const std::function<void()>& action) {
  {
    const QScopedValueRollback<bool> busy(busy_, true);
    action();
  }
  showState();
  if (std::exchange(closeWhenDone_, false)) close();
}

void RegulatorTuningDialog::setRunning(bool running) {
  running_ = running;
  showState();
}

void RegulatorTuningDialog::showState() {
  const bool model = !running_ && tuned_ && tuned_->analysis;
  for (QWidget* input :
       std::initializer_list<QWidget*>{ui_->TargetEdit, ui_->MaxTemperatureEdit,
                                       ui_->MaxMinutesEdit, ui_->CheckStepEdit, ui_->StartButton}) {
    input->setEnabled(!running_);
  }
  ui_->StopButton->setEnabled(running_);
  ui_->WriteButton->setEnabled(model);
  ui_->CheckButton->setEnabled(model);
}

SampleListener RegulatorTuningDialog::chartListener(const char* caption,
                                                    std::optional<double> target) {
  CurveChart& chart = *ui_->ExperimentChart;
  chartCaption_ = caption;
  ui_->ExperimentChartLabel->setText(tr(caption));
  chart.clear();
  const int measured = chart.addCurve(
      QT_TRANSLATE_NOOP("zorkan::CurveChart", "Измеренное значение"), kMeasuredColour);
  const int targetCurve = target
                              ? chart.addCurve(QT_TRANSLATE_NOOP("zorkan::CurveChart", "Заданная"),
                                               kTargetColour, Qt::DashLine)
                              : -1;
  chart.setBand(QT_TRANSLATE_NOOP("zorkan::CurveChart", "Нагреватель включён"), kHeaterColour);
  return [&chart, measured, targetCurve, target](const tuning::ExperimentSample& sample) {
    const double minutes = sample.timeS / kSecondsPerMinute;
    chart.addPoint(measured, minutes, sample.value);
    if (target) chart.addPoint(targetCurve, minutes, *target);
    chart.addBandState(minutes, sample.heating);
  };
}

void RegulatorTuningDialog::startExperiment() {
  TuningOptions options;
  options.setpoint = ui_->TargetEdit->value();
  options.maxTemperature = ui_->MaxTemperatureEdit->value();
  options.maxDuration = std::chrono::minutes(ui_->MaxMinutesEdit->value());
  options.step = ui_->CheckStepEdit->value();
  tuned_.reset();
  showExperiment();
  const SampleListener listener = chartListener(QT_TR_NOOP("Ход опыта"), options.setpoint);
  tuned_ = RunTuningExperiment(*exchange_, options, pacing_, listener);
  showResult([message = tuned_->message] { return CoreText(message); });
  showExperiment();
}

void RegulatorTuningDialog::showExperiment() {
  const tuning::TuningAnalysis* analysis =
      tuned_ && tuned_->analysis ? &*tuned_->analysis : nullptr;
  if (analysis == nullptr) {
    ui_->ModelTable->setRowCount(0);
    ui_->CoefficientsTable->setRowCount(0);
    ui_->PredictionChart->clear();
    return;
  }
  showTables();
  showPredictions();
}

void RegulatorTuningDialog::showTables() {
  const tuning::TuningAnalysis* analysis = &*tuned_->analysis;
  const tuning::FittedModel& fitted = analysis->fit.chosen();
  const tuning::ObjectModel& model = fitted.model;
  const bool twoLags = analysis->fit.secondOrderChosen;
  std::vector<QStringList> modelRows{
      {tr("Модель объекта"), twoLags ? tr("второго порядка") : tr("первого порядка")},
      {tr("Коэффициент передачи, °C/%"), Fixed(model.gain, 3)},
      {tr("Постоянная времени, с"), Fixed(model.lagS, 1)}};
  if (twoLags) {
    modelRows.push_back({tr("Вторая постоянная времени, с"), Fixed(model.secondLagS, 1)});
  }
  modelRows.insert(
      modelRows.end(),
      {{tr("Запаздывание, с"), Fixed(model.delayS, 1)},
       {tr("Температура среды, °C"), Fixed(model.ambient, 1)},
       {tr("Расхождение с опытом, °C"), Fixed(fitted.rms, 3)},
       {tr("Критический коэффициент, %/°C"), Fixed(analysis->ultimate.gain, 3)},
       {tr("Критический период, с"), Fixed(analysis->ultimate.periodS, 1)},
       {tr("Циклов колебаний"), analysis->relay.settled
                                    ? tr("%1, установились").arg(analysis->relay.cycles)
                                    : tr("%1, не установились").arg(analysis->relay.cycles)}});
  FillTable(*ui_->ModelTable, modelRows);

  const RegulatorCoefficients& current = tuned_->current;
  const RegulatorCoefficients& proposed = analysis->design.coefficients;
  const StepMetrics& now = analysis->currentStep.metrics;
  const StepMetrics& then = analysis->proposedStep.metrics;
  FillTable(*ui_->CoefficientsTable,
            {{tr("Коэффициент пропорциональности"), Typed(current.proportional),
              Typed(proposed.proportional)},
             {tr("Зона"), Typed(current.zone), Typed(proposed.zone)},
             {tr("T инт"), Typed(current.integrationS), Typed(proposed.integrationS)},
             {tr("T  дифф"), Typed(current.differentiationS), Typed(proposed.differentiationS)},
             {tr("Период ШИМ"), QString::number(current.pwmPeriodS),
              QString::number(proposed.pwmPeriodS)},
             {tr("Перерегулирование на модели, %"), Fixed(now.overshootPercent, 1),
              Fixed(then.overshootPercent, 1)},
             {tr("Время установления на модели, с"), SettlingText(now.settlingS),
              SettlingText(then.settlingS)},
             {tr("Интегральная ошибка на модели, °C·с"), Fixed(now.iae, 0), Fixed(then.iae, 0)}});
}

void RegulatorTuningDialog::showPredictions() {
  const tuning::TuningAnalysis& analysis = *tuned_->analysis;
  CurveChart& chart = *ui_->PredictionChart;
  chart.clear();
  const auto draw = [&chart](const tuning::StepResponse& step, const char* caption,
                             const QColor& colour) {
    const int curve = chart.addCurve(caption, colour);
    for (std::size_t k = 0; k < step.means.size(); ++k) {
      chart.addPoint(curve, static_cast<double>(k) * step.periodS, step.means[k]);
    }
  };
  draw(analysis.currentStep, QT_TRANSLATE_NOOP("zorkan::CurveChart", "Текущие"), kCurrentColour);
  draw(analysis.proposedStep, QT_TRANSLATE_NOOP("zorkan::CurveChart", "Предлагаемые"),
       kProposedColour);
  const tuning::StepResponse& step = analysis.proposedStep;
  const int target = chart.addCurve(QT_TRANSLATE_NOOP("zorkan::CurveChart", "Задание"),
                                    kTargetColour, Qt::DashLine);
  chart.addPoint(target, 0, step.to);
  chart.addPoint(target, static_cast<double>(step.means.size()) * step.periodS, step.to);
}

void RegulatorTuningDialog::writeProposed() {
  const QScopedValueRollback<bool> writing(writing_, true);
  const RegulatorCoefficients& proposed = tuned_->analysis->design.coefficients;
  pages_.CollectSettings();
  DeviceSettings instrument = settings_;
  if (WriteTunedCoefficients(*exchange_, instrument, proposed) != kOk) {
    showResult([] { return tr("Коэффициенты не записаны."); });
    return;
  }
  ShowTunedCoefficients(pages_, settings_, proposed);
  showResult([] {
    return tr(
        "Предлагаемые коэффициенты записаны в прибор и показаны на странице «Настройки "
        "каналов»; остальные поля страниц не изменены. Прежние коэффициенты возвращает "
        "«Файл» → «Вернуть настройки до записи».");
  });
}

void RegulatorTuningDialog::checkWithStep() {
  StepCheckOptions options;
  options.step = ui_->CheckStepEdit->value();
  options.maxTemperature = ui_->MaxTemperatureEdit->value();
  options.maxDuration = std::chrono::minutes(ui_->MaxMinutesEdit->value());
  const SampleListener listener = chartListener(QT_TR_NOOP("Ход проверки"), std::nullopt);
  const StepCheckResult check =
      CheckWithStep(*exchange_, options, tuned_->analysis->fit.chosen().model, pacing_, listener);
  showCheck(check);
}

void RegulatorTuningDialog::showCheck(const StepCheckResult& check) {
  showResult([check] {
    const QString message = CoreText(check.message);
    return check.end == ExperimentEnd::Done ? message + ' ' + CheckFigures(check) : message;
  });
  if (check.end == ExperimentEnd::Done) {
    CurveChart& chart = *ui_->PredictionChart;
    const int curve = chart.addCurve(QT_TRANSLATE_NOOP("zorkan::CurveChart", "Измерено на объекте"),
                                     kMeasuredColour);
    for (std::size_t k = 0; k < check.measuredMeans.size(); ++k) {
      chart.addPoint(curve, static_cast<double>(k) * check.predicted.periodS,
                     check.measuredMeans[k]);
    }
  }
}

void RegulatorTuningDialog::showResult(std::function<QString()> result) {
  result_ = std::move(result);
  ui_->ResultMessageLabel->setText(result_());
}

void RegulatorTuningDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  ui_->retranslateUi(this);
  if (chartCaption_ != nullptr) ui_->ExperimentChartLabel->setText(tr(chartCaption_));
  if (result_) ui_->ResultMessageLabel->setText(result_());
  if (tuned_ && tuned_->analysis) showTables();
  panel_->retranslate();
}

}  // namespace zorkan
