#include "workflows/step_check.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "operator/operator_text.h"
#include "settings/parameter_map.h"
#include "settings/parameter_transfer.h"
#include "workflows/manual_heater.h"
#include "workflows/regulator_parameters.h"

namespace zorkan {

namespace {

// Before the step the loop counts as settled once the means of two spans in a row, each as long
// as the object's lags and dead time, lie within kSettledShare of the step around the regulated
// value: means of many samples, which neither the noise nor the PWM's ripple sway.
constexpr double kSettledShare = 0.05;
constexpr int kSettledSpans = 2;
constexpr int kLeastPeriods = 20;

// The mean of the samples in each of `count` periods of `periodS` from `fromS` on; a period
// without a sample repeats the one before.
std::vector<double> PeriodMeans(const std::vector<tuning::ExperimentSample>& samples, double fromS,
                                double periodS, std::size_t count) {
  std::vector<double> sums(count, 0.0);
  std::vector<int> counts(count, 0);
  for (const tuning::ExperimentSample& sample : samples) {
    if (sample.timeS < fromS) continue;
    const auto period = static_cast<std::size_t>((sample.timeS - fromS) / periodS);
    if (period >= count) continue;
    sums[period] += sample.value;
    ++counts[period];
  }
  std::vector<double> means;
  for (std::size_t k = 0; k < count; ++k) {
    if (counts[k] > 0) {
      means.push_back(sums[k] / counts[k]);
    } else if (!means.empty()) {
      means.push_back(means.back());
    }
  }
  return means;
}

class StepCheck {
 public:
  StepCheck(ExchangeContext& exchange, const StepCheckOptions& options,
            const tuning::ObjectModel& model, ExperimentPacing& pacing,
            const SampleListener& listener)
      : exchange_(exchange),
        options_(options),
        model_(model),
        pacing_(pacing),
        listener_(listener) {}

  StepCheckResult run();

 private:
  // The check with the exchange controls locked; run() then words its end.
  void runLocked();
  void waitForSettling(ExperimentSession& session);
  bool record(ExperimentSession& session, double stepS, std::size_t periods);
  void putBack(ExperimentSession& session);

  ExchangeContext& exchange_;
  const StepCheckOptions& options_;
  const tuning::ObjectModel& model_;
  ExperimentPacing& pacing_;
  const SampleListener& listener_;
  StepCheckResult result_;
  RegulatorParameters instrument_;
  bool stepped_ = false;
};

double PeriodOf(const RegulatorParameters& instrument) {
  return std::max(1, instrument.coefficients.pwmPeriodS);
}

// After the experiment the regulator takes its integral back as it left it, far from the one
// that holds the regulated value: that takes several of the object's times to wear off.
void StepCheck::waitForSettling(ExperimentSession& session) {
  const double periodS = PeriodOf(instrument_);
  const double objectS = model_.lagS + model_.secondLagS + model_.delayS;
  const double spanS = std::max(5 * periodS, objectS);
  const double limitS = 10 * objectS + 20 * periodS;
  const double band = kSettledShare * std::abs(options_.step);
  session.showStep(FillText(OPERATOR_TEXT("Установление у %1"), DegreesText(result_.from)));
  const double startS = session.samples().back().timeS;
  double spanStartS = startS;
  int inBand = 0;
  while (session.sampleNext()) {
    const double nowS = session.samples().back().timeS;
    if (nowS < spanStartS + spanS) continue;
    const std::vector<double> mean = PeriodMeans(session.samples(), spanStartS, spanS, 1);
    spanStartS = nowS;
    inBand = !mean.empty() && std::abs(mean.front() - result_.from) <= band ? inBand + 1 : 0;
    if (inBand >= kSettledSpans) {
      result_.settledBefore = true;
      return;
    }
    if (nowS - startS >= limitS) return;
  }
}

bool StepCheck::record(ExperimentSession& session, double stepS, std::size_t periods) {
  session.showStep(FillText(OPERATOR_TEXT("Ступенька %1 → %2"), DegreesText(result_.from),
                            DegreesText(result_.to)));
  const double endS = stepS + static_cast<double>(periods) * PeriodOf(instrument_);
  while (session.samples().back().timeS < endS) {
    if (!session.sampleNext()) return false;
  }
  return true;
}

// At the maximum temperature the heater must go off now, not when the regulator has seen the
// regulated value come back: the manual PWM takes it off first and hands it back last.
void StepCheck::putBack(ExperimentSession& session) {
  const std::int64_t limitMs = std::chrono::milliseconds(options_.handBackLimit).count();
  std::optional<ManualHeater> heater;
  if (session.endReason() == ExperimentEnd::MaxTemperature && instrument_.heaterRelay != 0) {
    heater.emplace(exchange_.link, instrument_.heaterRelay, instrument_.pwmDuty);
    heater->take();
  }
  if (stepped_) {
    session.showStep(FillText(OPERATOR_TEXT("Возврат задания %1"), DegreesText(result_.from)));
    result_.restored = RetryFor(pacing_, limitMs, [&] {
      return WriteParameterVerified(exchange_.link, Setpoint1Param(0),
                                    instrument_.regulatedValue) == kOk;
    });
  }
  if (heater) result_.handedBack = heater->handBack(pacing_, limitMs);
}

void StepCheck::runLocked() {
  const ExchangeControlsLock locked(exchange_.controls);
  exchange_.progress.SetProgressLines({"", OPERATOR_TEXT("Проверка ступенькой"), "", "", "", ""});
  exchange_.progress.ShowProgress();
  const LinkError read = ReadRegulatorParameters(exchange_.link, instrument_);
  ExperimentSession session(exchange_, pacing_, listener_,
                            {options_.maxTemperature, options_.maxDuration, options_.samplePeriod},
                            instrument_.heaterRelay);
  result_.from = instrument_.regulatedValue;
  result_.to = result_.from + options_.step;
  const double periodS = PeriodOf(instrument_);
  if (read != kOk) {
    session.end(ExperimentEnd::InstrumentLost, read,
                OPERATOR_TEXT("настройки регулятора не прочитаны"));
  } else if (options_.step == 0 || !(result_.to < options_.maxTemperature)) {
    session.end(ExperimentEnd::Refused, kOk,
                OPERATOR_TEXT("новое задание должно отличаться от прежнего и быть ниже "
                              "максимальной температуры"));
  } else if (session.sample()) {
    const double horizonS = tuning::StepHorizonS(model_, instrument_.coefficients.pwmPeriodS);
    result_.predicted =
        tuning::PredictStep(model_, instrument_.coefficients, result_.from, result_.to, horizonS);
    // Long enough to see the predicted step settle twice over, never beyond the horizon.
    const double settlingS = result_.predicted.metrics.settlingS;
    const double wantedS = settlingS >= 0 ? 2 * settlingS + 10 * periodS : horizonS;
    const auto periods = static_cast<std::size_t>(
        std::ceil(std::clamp(wantedS, kLeastPeriods * periodS, horizonS) / periodS));
    waitForSettling(session);
    if (!session.ended()) {
      const double stepS = session.samples().back().timeS;
      const LinkError stepped =
          WriteParameterVerified(exchange_.link, Setpoint1Param(0), static_cast<float>(result_.to));
      // A write whose answer was lost may still have reached the instrument.
      stepped_ = true;
      if (stepped != kOk) {
        session.end(ExperimentEnd::InstrumentLost, stepped,
                    OPERATOR_TEXT("новое задание не записано"));
      } else if (record(session, stepS, periods)) {
        session.end(ExperimentEnd::Done);
      }
      result_.measuredMeans = PeriodMeans(session.samples(), stepS, periodS, periods);
      result_.predicted.means.resize(
          std::min(result_.predicted.means.size(), result_.measuredMeans.size()));
      result_.predicted.metrics =
          tuning::MeasureStep(result_.predicted.means, periodS, result_.from, result_.to);
      result_.measured =
          tuning::MeasureStep(result_.measuredMeans, periodS, result_.from, result_.to);
    }
  }
  putBack(session);
  result_.samples = session.samples();
  result_.end = session.endReason();
  result_.code = session.code();
  exchange_.progress.HideProgress();
  result_.message = session.endText();
}

StepCheckResult StepCheck::run() {
  exchange_.latch.ResetCancel();
  runLocked();
  if (result_.end == ExperimentEnd::Done && !result_.settledBefore) {
    result_.message =
        FillText(OPERATOR_TEXT("%1 (до ступеньки регулирование не установилось)"), result_.message);
  }
  if (!result_.restored || !result_.handedBack) {
    result_.end = ExperimentEnd::InstrumentLost;
    result_.message = FillText(OPERATOR_TEXT("%1. Прибор не ответил: задание может остаться %2, а "
                                             "ШИМ в ручном режиме. Проверьте прибор."),
                               result_.message, DegreesText(result_.to));
  } else if (stepped_) {
    result_.message = FillText(OPERATOR_TEXT("%1. Задание возвращено: %2."), result_.message,
                               DegreesText(result_.from));
  } else {
    result_.message = FillText(OPERATOR_TEXT("%1."), result_.message);
  }
  return std::move(result_);
}

}  // namespace

StepCheckResult CheckWithStep(ExchangeContext& exchange, const StepCheckOptions& options,
                              const tuning::ObjectModel& model, ExperimentPacing& pacing,
                              const SampleListener& listener) {
  return StepCheck(exchange, options, model, pacing, listener).run();
}

}  // namespace zorkan
