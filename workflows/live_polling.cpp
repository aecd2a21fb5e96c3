#include "workflows/live_polling.h"

#include "live/measurement_log.h"
#include "operator/operator_text.h"

namespace zorkan {

AnswerStatus AnswerStatusOf(LinkError code) {
  switch (code) {
    case kOk:
      return {OPERATOR_TEXT("Получен ответ"), false};
    case kTooMuchData:
      return {OPERATOR_TEXT("В ответе много мусора, ответ не разобран"), true};
    case kNoAnswer:
      return {OPERATOR_TEXT("Не дождались ответа"), true};
    case kBadAnswer:
      return {OPERATOR_TEXT("Ошибка в разборе ответа"), true};
    default:
      return {OPERATOR_TEXT("Какая-то ошибка в ответе"), true};
  }
}

LivePolling::LivePolling(DeviceLink& link, LiveValues& values, const DeviceSettings& settings,
                         LiveView& view, std::filesystem::path measurementLog)
    : link_(link),
      values_(values),
      settings_(settings),
      view_(view),
      measurementLog_(std::move(measurementLog)) {}

std::optional<LinkError> LivePolling::PollLiveValues() {
  if (!view_.livePageShown()) return std::nullopt;
  view_.repaint();
  const LinkError result = ReadLiveValues(link_, values_);
  // The measurement log records the values as shown.
  ClampForDisplay(values_);
  view_.ShowLiveValues(values_);
  view_.DrawTrendPoint(values_);
  view_.showAnswerStatus(AnswerStatusOf(result));
  if (result == kOk && link_.activity()) lastGoodMs_ = link_.activity()->lastAnswerMs;
  view_.showFreshness({result != kOk, lastGoodMs_});
  countTick();
  return result;
}

// Two ticks a second: one line every `logInterval` seconds of polling, a failed poll counted and
// logged like a good one (with the last values and the time of the failed request). Only 0 means
// no log: a negative interval is reached at every tick.
void LivePolling::countTick() {
  ++ticks_;
  const int interval = settings_.logInterval;
  if (interval == 0 || ticks_ < 2 * interval) return;
  ticks_ = 0;
  const LocalTime& time = link_.lastWait().start;
  AppendMeasurementLog(measurementLog_, MeasurementLogLine(values_, time));
  if (csvLog_ != nullptr) csvLog_->append(values_, settings_, time);
}

}  // namespace zorkan
