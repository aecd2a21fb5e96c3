#include "ui/regulator_tuning_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <algorithm>
#include <chrono>
#include <utility>

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
  return settlingS < 0 ? "не установится" : Fixed(settlingS, 0);
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
  return QString(
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
    step_.setText(QString::fromStdString(lines[2]));
    reading_.setText(QString::fromStdString(lines[3]));
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

 private:
  QLabel& step_;
  QLabel& reading_;
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
  ui_->ExperimentChart->setAxisCaptions("мин", "°C");
  ui_->PredictionChart->setAxisCaptions("с", "°C");
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

SampleListener RegulatorTuningDialog::chartListener(const QString& caption,
                                                    std::optional<double> target) {
  CurveChart& chart = *ui_->ExperimentChart;
  ui_->ExperimentChartLabel->setText(caption);
  chart.clear();
  const int measured = chart.addCurve("Измеренное значение", kMeasuredColour);
  const int targetCurve = target ? chart.addCurve("Заданная", kTargetColour, Qt::DashLine) : -1;
  chart.setBand("Нагреватель включён", kHeaterColour);
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
  const SampleListener listener = chartListener("Ход опыта", options.setpoint);
  tuned_ = RunTuningExperiment(*exchange_, options, pacing_, listener);
  ui_->ResultMessageLabel->setText(QString::fromStdString(tuned_->message));
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
  const tuning::FittedModel& fitted = analysis->fit.chosen();
  const tuning::ObjectModel& model = fitted.model;
  const bool twoLags = analysis->fit.secondOrderChosen;
  std::vector<QStringList> modelRows{
      {"Модель объекта", twoLags ? "второго порядка" : "первого порядка"},
      {"Коэффициент передачи, °C/%", Fixed(model.gain, 3)},
      {"Постоянная времени, с", Fixed(model.lagS, 1)}};
  if (twoLags) modelRows.push_back({"Вторая постоянная времени, с", Fixed(model.secondLagS, 1)});
  modelRows.insert(modelRows.end(),
                   {{"Запаздывание, с", Fixed(model.delayS, 1)},
                    {"Температура среды, °C", Fixed(model.ambient, 1)},
                    {"Расхождение с опытом, °C", Fixed(fitted.rms, 3)},
                    {"Критический коэффициент, %/°C", Fixed(analysis->ultimate.gain, 3)},
                    {"Критический период, с", Fixed(analysis->ultimate.periodS, 1)},
                    {"Циклов колебаний",
                     QString::number(analysis->relay.cycles) +
                         (analysis->relay.settled ? ", установились" : ", не установились")}});
  FillTable(*ui_->ModelTable, modelRows);

  const RegulatorCoefficients& current = tuned_->current;
  const RegulatorCoefficients& proposed = analysis->design.coefficients;
  const StepMetrics& now = analysis->currentStep.metrics;
  const StepMetrics& then = analysis->proposedStep.metrics;
  FillTable(
      *ui_->CoefficientsTable,
      {{"Коэффициент пропорциональности", Typed(current.proportional),
        Typed(proposed.proportional)},
       {"Зона", Typed(current.zone), Typed(proposed.zone)},
       {"T инт", Typed(current.integrationS), Typed(proposed.integrationS)},
       {"T  дифф", Typed(current.differentiationS), Typed(proposed.differentiationS)},
       {"Период ШИМ", QString::number(current.pwmPeriodS), QString::number(proposed.pwmPeriodS)},
       {"Перерегулирование на модели, %", Fixed(now.overshootPercent, 1),
        Fixed(then.overshootPercent, 1)},
       {"Время установления на модели, с", SettlingText(now.settlingS),
        SettlingText(then.settlingS)},
       {"Интегральная ошибка на модели, °C·с", Fixed(now.iae, 0), Fixed(then.iae, 0)}});
  showPredictions();
}

void RegulatorTuningDialog::showPredictions() {
  const tuning::TuningAnalysis& analysis = *tuned_->analysis;
  CurveChart& chart = *ui_->PredictionChart;
  chart.clear();
  const auto draw = [&chart](const tuning::StepResponse& step, const QString& caption,
                             const QColor& colour) {
    const int curve = chart.addCurve(caption, colour);
    for (std::size_t k = 0; k < step.means.size(); ++k) {
      chart.addPoint(curve, static_cast<double>(k) * step.periodS, step.means[k]);
    }
  };
  draw(analysis.currentStep, "Текущие", kCurrentColour);
  draw(analysis.proposedStep, "Предлагаемые", kProposedColour);
  const tuning::StepResponse& step = analysis.proposedStep;
  const int target = chart.addCurve("Задание", kTargetColour, Qt::DashLine);
  chart.addPoint(target, 0, step.to);
  chart.addPoint(target, static_cast<double>(step.means.size()) * step.periodS, step.to);
}

void RegulatorTuningDialog::writeProposed() {
  const QScopedValueRollback<bool> writing(writing_, true);
  const RegulatorCoefficients& proposed = tuned_->analysis->design.coefficients;
  pages_.CollectSettings();
  DeviceSettings instrument = settings_;
  if (WriteTunedCoefficients(*exchange_, instrument, proposed) != kOk) {
    ui_->ResultMessageLabel->setText("Коэффициенты не записаны.");
    return;
  }
  ShowTunedCoefficients(pages_, settings_, proposed);
  ui_->ResultMessageLabel->setText(
      "Предлагаемые коэффициенты записаны в прибор и показаны на странице «Настройки каналов»; "
      "остальные поля страниц не изменены. Прежние коэффициенты возвращает «Файл» → «Вернуть "
      "настройки до записи».");
}

void RegulatorTuningDialog::checkWithStep() {
  StepCheckOptions options;
  options.step = ui_->CheckStepEdit->value();
  options.maxTemperature = ui_->MaxTemperatureEdit->value();
  options.maxDuration = std::chrono::minutes(ui_->MaxMinutesEdit->value());
  const SampleListener listener = chartListener("Ход проверки", std::nullopt);
  const StepCheckResult check =
      CheckWithStep(*exchange_, options, tuned_->analysis->fit.chosen().model, pacing_, listener);
  showCheck(check);
}

void RegulatorTuningDialog::showCheck(const StepCheckResult& check) {
  QString message = QString::fromStdString(check.message);
  if (check.end == ExperimentEnd::Done) {
    message += ' ' + CheckFigures(check);
    CurveChart& chart = *ui_->PredictionChart;
    const int curve = chart.addCurve("Измерено на объекте", kMeasuredColour);
    for (std::size_t k = 0; k < check.measuredMeans.size(); ++k) {
      chart.addPoint(curve, static_cast<double>(k) * check.predicted.periodS,
                     check.measuredMeans[k]);
    }
  }
  ui_->ResultMessageLabel->setText(message);
}

}  // namespace zorkan
