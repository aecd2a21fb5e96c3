// tune: the regulator's relay experiment, the model and the coefficients it gives, and when asked
// their write and a check with a step on the loop, through the workflows of the window's dialog.
#include "cli/tune_command.h"

#include <chrono>
#include <iostream>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/experiment_console.h"
#include "cli/tune_report.h"
#include "operator/result_messages.h"
#include "profiles/profile_document.h"
#include "workflows/headless_pages.h"
#include "workflows/tuned_coefficients.h"

namespace zorkan::cli {

namespace {

int StatusOf(ExperimentEnd end, LinkError code) {
  switch (end) {
    case ExperimentEnd::Done:
      return kOk;
    case ExperimentEnd::Refused:
      return kExitTuningRefused;
    case ExperimentEnd::MaxTemperature:
      return kExitMaxTemperature;
    case ExperimentEnd::MaxDuration:
      return kExitMaxDuration;
    case ExperimentEnd::Cancelled:
      return kCancelledByOperator;
    case ExperimentEnd::InstrumentLost:
      return code != kOk ? code : kNoAnswer;
    case ExperimentEnd::MeasurementFault:
      return kExitMeasurementFault;
  }
  return kNoAnswer;
}

// A Ctrl+C while the model was computed, or while the write ran its last steps, stops the command
// here, before the next thing it would do to the instrument.
bool StopAsked(ExchangeContext& exchange) {
  exchange.progress.panel().processPendingEvents();
  if (!exchange.latch.CancelRequested()) return false;
  ReportResult(kCancelledByOperator, exchange.dialogs, exchange.latch);
  return true;
}

// The settings only profiles keep go into the journal's entries with what the instrument holds:
// as pages hold a new profile of zorkan-cli read, so that the read and the write entries differ
// by the four numbers alone.
DeviceSettings DefaultModel() {
  IniDocument profile = DefaultProfile();
  DeviceSettings settings;
  LoadProfileFrom(profile, settings);
  HeadlessPages pages(settings);
  pages.ShowSettings();
  pages.CollectSettings();
  return settings;
}

}  // namespace

int Tune(const TuneCommand& command, const TuneContext& context, std::ostream& output) {
  TuningOptions options;
  options.setpoint = command.setpoint;
  options.maxTemperature = command.maxTemperature;
  options.maxDuration = std::chrono::minutes(command.maxMinutes);
  if (command.verifyStep) options.step = *command.verifyStep;
  const TuningResult experiment =
      RunTuningExperiment(context.experiment, options, context.pacing, {});
  Tell("tune: \"" + experiment.message + "\"");
  TuneReport report{.experiment = experiment, .written = {}, .check = {}};
  report.status =
      experiment.handedBack ? StatusOf(experiment.end, experiment.code) : kExitMaybeLeftManual;
  if (experiment.analysis && !command.json) output << TuningText(experiment) << std::flush;

  if (report.status == kOk && command.write) {
    if (StopAsked(context.write)) {
      report.status = kCancelledByOperator;
    } else {
      DeviceSettings instrument = DefaultModel();
      report.written = WriteTunedCoefficients(context.write, instrument,
                                              experiment.analysis->design.coefficients);
      report.status = *report.written;
      if (report.status == kOk) {
        Tell(
            "tune: the proposed coefficients are written; the journal holds the read before the "
            "write: zorkan-cli journal --last 2");
      }
    }
  }
  if (report.status == kOk && command.verifyStep) {
    if (StopAsked(context.experiment)) {
      report.status = kCancelledByOperator;
    } else {
      const StepCheckOptions checkOptions{*command.verifyStep, command.maxTemperature,
                                          std::chrono::minutes(command.maxMinutes)};
      report.check = CheckWithStep(context.experiment, checkOptions,
                                   experiment.analysis->fit.chosen().model, context.pacing, {});
      Tell("tune: \"" + report.check->message + "\"");
      report.status = report.check->restored && report.check->handedBack
                          ? StatusOf(report.check->end, report.check->code)
                          : kExitMaybeLeftManual;
      if (!command.json && report.check->end == ExperimentEnd::Done) {
        output << StepCheckText(*report.check) << std::flush;
      }
    }
  }
  if (command.json) output << TuneJson(report) << std::flush;
  return report.status;
}

int RunTune(const TuneCommand& command, Session& session) {
  if (const auto refused = session.open()) return *refused;
  ExchangeContext write = session.exchange();
  ExperimentConsole console(write.latch);
  Progress progress(console, write.latch);
  ExchangeContext experiment{write.link,    progress,       write.latch,
                             write.dialogs, write.controls, write.journal};
  SleepingPacing pacing(write.latch);
  return Tune(command, {write, experiment, pacing}, std::cout);
}

}  // namespace zorkan::cli
