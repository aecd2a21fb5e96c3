#include "workflows/experiment_session.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "live/live_values.h"
#include "operator/operator_text.h"

namespace zorkan {

namespace {

// Failed reads for this long mean the instrument is gone; a single one is only a bad answer.
constexpr std::int64_t kLostAfterMs = 5000;
constexpr std::size_t kReadingLine = 3;

}  // namespace

// to_chars, not printf: the window's process runs in the operator's locale, whose decimal comma
// would differ from every other number the tool shows.
std::string DegreesText(double value) {
  char text[330];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1);
  return std::string(text, result.ptr);
}

const char* ExperimentEndText(ExperimentEnd end) {
  switch (end) {
    case ExperimentEnd::Done:
      return OPERATOR_TEXT("Опыт завершён");
    case ExperimentEnd::Refused:
      return OPERATOR_TEXT("Опыт не начат");
    case ExperimentEnd::MaxTemperature:
      return OPERATOR_TEXT("Достигнута максимальная температура");
    case ExperimentEnd::MaxDuration:
      return OPERATOR_TEXT("Опыт длился дольше допустимого");
    case ExperimentEnd::Cancelled:
      return OPERATOR_TEXT("Опыт прерван оператором");
    case ExperimentEnd::InstrumentLost:
      return OPERATOR_TEXT("Прибор не отвечает");
    case ExperimentEnd::MeasurementFault:
      return OPERATOR_TEXT("Ошибка измерения канала 1");
  }
  return "";
}

ExperimentSession::ExperimentSession(ExchangeContext& exchange, ExperimentPacing& pacing,
                                     const SampleListener& listener, const ExperimentLimits& limits,
                                     int heaterRelay)
    : exchange_(exchange),
      pacing_(pacing),
      listener_(listener),
      limits_(limits),
      heaterBit_(heaterRelay == 2 ? kRelay2On : kRelay1On),
      startMs_(pacing.nowMs()),
      nextSampleMs_(startMs_) {}

void ExperimentSession::end(ExperimentEnd end, LinkError code, std::string detail) {
  if (ended_) return;
  ended_ = true;
  end_ = end;
  code_ = code;
  detail_ = std::move(detail);
}

std::string ExperimentSession::endText() const {
  if (detail_.empty()) return ExperimentEndText(end_);
  return FillText(OPERATOR_TEXT("%1: %2"), ExperimentEndText(end_), detail_);
}

void ExperimentSession::showStep(std::string text) {
  if (text == step_) return;
  step_ = text;
  exchange_.progress.SetProgressStep(std::move(text));
}

bool ExperimentSession::sample() {
  const std::int64_t beforeMs = pacing_.nowMs();
  LiveValues values;
  const LinkError read = ReadLiveValues(exchange_.link, values);
  const std::int64_t afterMs = pacing_.nowMs();
  if (read != kOk) {
    if (!failingSinceMs_) failingSinceMs_ = beforeMs;
    if (afterMs - *failingSinceMs_ >= kLostAfterMs) end(ExperimentEnd::InstrumentLost, read);
  } else {
    failingSinceMs_.reset();
    const ChannelLiveValues& channel = values.channels[0];
    // The instrument measured about when the request reached it.
    const double timeS = static_cast<double>((beforeMs + afterMs) / 2 - startMs_) / 1000;
    const tuning::ExperimentSample sample{timeS, channel.value, (values.relays & heaterBit_) != 0};
    samples_.push_back(sample);
    if (listener_) listener_(sample);
    ProgressLines lines = exchange_.progress.lines();
    lines[kReadingLine] =
        FillText(sample.heating ? OPERATOR_TEXT("Температура %1, нагреватель включён")
                                : OPERATOR_TEXT("Температура %1, нагреватель выключен"),
                 DegreesText(sample.value));
    exchange_.progress.SetProgressLines(lines);
    if (channel.status != 0 || (channel.flags & kSensorBreak)) {
      end(ExperimentEnd::MeasurementFault, kOk,
          FillText(OPERATOR_TEXT("состояние измерения %1"), channel.status));
    } else if (sample.value >= limits_.maxTemperature) {
      end(ExperimentEnd::MaxTemperature, kOk, DegreesText(sample.value));
    }
  }
  if (exchange_.progress.CancelRequested()) end(ExperimentEnd::Cancelled, kCancelledByOperator);
  if (afterMs - startMs_ >= limits_.maxDuration.count()) end(ExperimentEnd::MaxDuration);
  return !ended_;
}

bool ExperimentSession::sampleNext() {
  // A sixty-fourth longer than the period: the samples' phase walks across the instrument's PWM
  // period, so that the heater's switchings, which lie on its grid, are bracketed ever
  // differently and together pin the grid down (HeaterSwitchings). A sample that took longer
  // than a period (an instrument that did not answer) moves the next ones on rather than
  // crowding them.
  const std::int64_t periodMs = limits_.samplePeriod.count();
  nextSampleMs_ = std::max(nextSampleMs_ + periodMs + periodMs / 64, pacing_.nowMs());
  pacing_.waitUntil(nextSampleMs_);
  return sample();
}

}  // namespace zorkan
