#pragma once
// "Настройка регулятора…": the relay experiment with its chart as it runs and its progress in
// words, the model and the coefficients it gives beside the current ones, their predicted setpoint
// steps, and on the operator's word their write and a check with a step on the loop. Escape, the
// stop button and closing the dialog end an experiment or a check, and the instrument regulates
// by itself again; Escape stops a write between two steps as the window's button does, a close
// lets it finish.

#include <QCoreApplication>
#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "settings/device_settings.h"
#include "ui/message_boxes.h"
#include "workflows/exchange_context.h"
#include "workflows/experiment_pacing.h"
#include "workflows/regulator_tuning.h"
#include "workflows/settings_view.h"
#include "workflows/step_check.h"

class QLabel;

namespace Ui {
class RegulatorTuningDialog;
}

namespace zorkan {

class RegulatorTuningDialog final : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(zorkan::RegulatorTuningDialog)

 public:
  // `window`: the window's exchange, whose link, latch, controls and journal the dialog's runs
  // use; `settings` as `pages` show it, where a write puts the four numbers; the experiments wait
  // on `pacing`.
  RegulatorTuningDialog(ExchangeContext& window, DeviceSettings& settings, SettingsView& pages,
                        ExperimentPacing& pacing, QWidget* parent);
  ~RegulatorTuningDialog() override;

  // Escape: while something runs, it stops that, and the dialog stays.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A language chosen: the form, the tables and the result's words anew; the charts draw their
  // own captions.
  void changeEvent(QEvent* event) override;

 private:
  class Panel;
  class Controls;

  // `action` with the dialog busy: a close asked for meanwhile stops it and closes afterwards.
  void runBusy(const std::function<void()>& action);
  void startExperiment();
  void writeProposed();
  void checkWithStep();
  void showExperiment();
  void showTables();
  void showPredictions();
  // The line under the charts: how the last run ended, in the language shown.
  void showResult(std::function<QString()> result);
  void showCheck(const StepCheckResult& check);
  void setRunning(bool running);
  void showState();
  // The experiment chart cleared for a new run; its listener draws every sample.
  // `caption`: a text marked for the translations (zorkan::RegulatorTuningDialog).
  SampleListener chartListener(const char* caption, std::optional<double> target);

  std::unique_ptr<Ui::RegulatorTuningDialog> ui_;
  ExchangeContext& window_;
  DeviceSettings& settings_;
  SettingsView& pages_;
  ExperimentPacing& pacing_;
  MessageBoxes dialogs_{*this};
  std::unique_ptr<Panel> panel_;
  std::unique_ptr<Progress> progress_;
  std::unique_ptr<Controls> controls_;
  std::unique_ptr<ExchangeContext> exchange_;
  std::optional<TuningResult> tuned_;
  const char* chartCaption_ = nullptr;
  std::function<QString()> result_;
  bool running_ = false;
  bool busy_ = false;
  bool writing_ = false;
  bool closeWhenDone_ = false;
};

}  // namespace zorkan
