#include "workflows/regulator_tuning.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "operator/operator_text.h"
#include "workflows/manual_heater.h"
#include "workflows/regulator_parameters.h"

namespace zorkan {

namespace {

using tuning::ExperimentSample;

constexpr double kRestS = 15;  // heater off: the noise and any drift of the object at rest
constexpr double kNoiseToHysteresis = 3;  // so that noise alone hardly ever switches the relay
constexpr double kLeastHysteresis = 0.1;
constexpr int kLeastCycles = 2;

// The standard deviation of the measurement's noise, from the samples' second differences: for
// white noise of deviation s, x[k-1] - 2 x[k] + x[k+1] has the deviation s * sqrt(6), while the
// object's own drift at rest hardly moves it. A line through the samples would count an object
// still cooling after the heater went off (most objects, which are tuned hot) as noise, and widen
// the relay's hysteresis by tens of degrees. The median, not the mean square, so that the turn
// where the heater's last heat arrives counts for nothing.
double NoiseOf(const std::vector<ExperimentSample>& samples) {
  if (samples.size() < 3) return 0;
  std::vector<double> differences;
  for (std::size_t k = 1; k + 1 < samples.size(); ++k) {
    differences.push_back(
        std::abs(samples[k - 1].value - 2 * samples[k].value + samples[k + 1].value));
  }
  const auto middle = differences.begin() + static_cast<std::ptrdiff_t>(differences.size() / 2);
  std::nth_element(differences.begin(), middle, differences.end());
  // The median of |d| for a normal d is 0.6745 of its deviation.
  constexpr double kMedianToDeviation = 0.6745;
  return *middle / (kMedianToDeviation * std::sqrt(6.0));
}

std::optional<std::string> RefusalOf(const TuningOptions& options,
                                     const RegulatorParameters& instrument) {
  if (instrument.heaterRelay == 0) {
    return OPERATOR_TEXT("ни одно реле не включает нагреватель (бит ШИМ в маске канала 1)");
  }
  if (!(options.setpoint < options.maxTemperature)) {
    return OPERATOR_TEXT("максимальная температура должна быть выше заданной");
  }
  if (options.cycleLimit < kLeastCycles) {
    return OPERATOR_TEXT("циклов колебаний должно быть не меньше 2");
  }
  if (options.maxDuration.count() <= 0 || options.samplePeriod.count() <= 0) {
    return OPERATOR_TEXT("длительность опыта должна быть больше нуля");
  }
  return std::nullopt;
}

class Experiment {
 public:
  Experiment(ExchangeContext& exchange, const TuningOptions& options, ExperimentPacing& pacing,
             const SampleListener& listener)
      : exchange_(exchange), options_(options), pacing_(pacing), listener_(listener) {}

  TuningResult run();

 private:
  // The experiment with the exchange controls locked; run() then words its end.
  void runLocked();
  // Each false once the experiment has ended.
  bool begin(ExperimentSession& session);
  bool rest(ExperimentSession& session);
  bool oscillate(ExperimentSession& session);
  // A heater switching that did not get through is sent again with the next sample.
  void steer(bool heating);

  ExchangeContext& exchange_;
  const TuningOptions& options_;
  ExperimentPacing& pacing_;
  const SampleListener& listener_;
  TuningResult result_;
  RegulatorParameters instrument_;
  std::optional<ManualHeater> heater_;
  bool wanted_ = false;  // the heater's state the relay asks for
  bool sent_ = false;    // the one the instrument has taken
};

void Experiment::steer(bool heating) {
  wanted_ = heating;
  if (wanted_ != sent_ && heater_->set(wanted_) == kOk) sent_ = wanted_;
}

bool Experiment::begin(ExperimentSession& session) {
  result_.regulatedValue = instrument_.regulatedValue;
  result_.current = instrument_.coefficients;
  result_.record.target = options_.setpoint;
  result_.record.pwmPeriodS = instrument_.coefficients.pwmPeriodS;
  if (const auto refusal = RefusalOf(options_, instrument_)) {
    session.end(ExperimentEnd::Refused, kOk, *refusal);
    return false;
  }
  // Until the heater is taken nothing has changed, whatever ends the experiment.
  if (!session.sample()) return false;
  heater_.emplace(exchange_.link, instrument_.heaterRelay, instrument_.pwmDuty);
  if (const LinkError taken = heater_->take(); taken != kOk) {
    session.end(ExperimentEnd::InstrumentLost, taken,
                OPERATOR_TEXT("ручное управление ШИМ не включено"));
    return false;
  }
  return true;
}

bool Experiment::rest(ExperimentSession& session) {
  session.showStep(OPERATOR_TEXT("Измерение шума"));
  while (session.samples().back().timeS < kRestS) {
    if (!session.sampleNext()) return false;
  }
  result_.record.noise = NoiseOf(session.samples());
  result_.record.hysteresis = std::max(kLeastHysteresis, kNoiseToHysteresis * result_.record.noise);
  return true;
}

bool Experiment::oscillate(ExperimentSession& session) {
  tuning::ExperimentRecord& record = result_.record;
  const double switchOnBelow = options_.setpoint - record.hysteresis;
  const double switchOffAbove = options_.setpoint + record.hysteresis;
  const bool heatingUp = session.samples().back().value < options_.setpoint;
  session.showStep(
      FillText(heatingUp ? OPERATOR_TEXT("Разогрев до %1") : OPERATOR_TEXT("Остывание до %1"),
               DegreesText(options_.setpoint)));
  const auto cycleStep = [this](int cycle) {
    return FillText(OPERATOR_TEXT("Колебания: цикл %1 из %2"), cycle, options_.cycleLimit);
  };
  bool relayStarted = false;
  for (;;) {
    const double value = session.samples().back().value;
    bool heating = wanted_;
    if (wanted_ && value > switchOffAbove) {
      heating = false;
      if (!relayStarted) {
        relayStarted = true;
        record.relayStart = session.samples().size() - 1;
        session.showStep(cycleStep(1));
      }
    } else if (!wanted_ && value < switchOnBelow) {
      heating = true;
    }
    steer(heating);
    if (!session.sampleNext()) return false;

    // A cycle ends when the instrument reports the heater on again.
    const auto& samples = session.samples();
    const std::size_t k = samples.size() - 1;
    if (!relayStarted || k <= record.relayStart || !samples[k].heating || samples[k - 1].heating) {
      continue;
    }
    record.samples = samples;
    const std::vector<tuning::RelayCycle> cycles = tuning::RelayCycles(record);
    const int done = static_cast<int>(cycles.size());
    if (done >= options_.cycleLimit ||
        tuning::CyclesSettled(cycles, tuning::kSettledCycles, tuning::kSettledTolerance)) {
      return true;
    }
    session.showStep(cycleStep(done + 1));
  }
}

void Experiment::runLocked() {
  const ExchangeControlsLock locked(exchange_.controls);
  exchange_.progress.SetProgressLines({"", OPERATOR_TEXT("Настройка регулятора"), "", "", "", ""});
  exchange_.progress.ShowProgress();
  const LinkError read = ReadRegulatorParameters(exchange_.link, instrument_);
  ExperimentSession session(exchange_, pacing_, listener_,
                            {options_.maxTemperature, options_.maxDuration, options_.samplePeriod},
                            instrument_.heaterRelay);
  if (read != kOk) {
    session.end(ExperimentEnd::InstrumentLost, read,
                OPERATOR_TEXT("настройки регулятора не прочитаны"));
  } else if (begin(session) && rest(session) && oscillate(session)) {
    session.end(ExperimentEnd::Done);
  }
  result_.record.samples = session.samples();
  if (heater_) {
    session.showStep(OPERATOR_TEXT("Возврат регулирования прибору"));
    result_.handedBack =
        heater_->handBack(pacing_, std::chrono::milliseconds(options_.handBackLimit).count());
  }
  result_.end = session.endReason();
  result_.code = session.code();
  if (result_.end == ExperimentEnd::Done && result_.handedBack) {
    session.showStep(OPERATOR_TEXT("Расчёт модели и коэффициентов"));
    result_.analysis = tuning::AnalyseExperiment(result_.record, result_.current, options_.step);
  }
  exchange_.progress.HideProgress();
  result_.message = session.endText();
}

TuningResult Experiment::run() {
  exchange_.latch.ResetCancel();
  runLocked();
  if (!result_.handedBack) {
    result_.end = ExperimentEnd::InstrumentLost;
    result_.message = FillText(
        OPERATOR_TEXT("%1. Прибор не ответил: он может остаться в режиме ручного управления ШИМ с "
                      "включённым нагревателем. Выключите доступ к ШИМ на странице «Прямое "
                      "управление» или на самом приборе."),
        result_.message);
  } else if (heater_) {
    result_.message = FillText(OPERATOR_TEXT("%1. Ручное управление ШИМ выключено, прибор "
                                             "регулирует сам с прежними коэффициентами."),
                               result_.message);
  } else {
    result_.message = FillText(OPERATOR_TEXT("%1."), result_.message);
  }
  return std::move(result_);
}

}  // namespace

TuningResult RunTuningExperiment(ExchangeContext& exchange, const TuningOptions& options,
                                 ExperimentPacing& pacing, const SampleListener& listener) {
  return Experiment(exchange, options, pacing, listener).run();
}

}  // namespace zorkan
