#pragma once
// The live-value tick without widgets: while a live page is shown, block 2 is read twice a
// second, shown, plotted, and at the profile's interval written to the measurement log. No
// message box ever comes from polling: failures only change the answer-status line.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "link/device_link.h"
#include "live/csv_measurement_log.h"
#include "live/live_values.h"
#include "settings/device_settings.h"

namespace zorkan {

// The answer-status line of the live pages; `attention` shows it yellow.
struct AnswerStatus {
  std::string_view text;
  bool attention;
};
AnswerStatus AnswerStatusOf(LinkError code);

// The values on show are stale once a poll failed; `lastGoodMs` (monotonic) is when they last came
// from the instrument, nullopt when none has come in this run.
struct LiveFreshness {
  bool stale = false;
  std::optional<std::int64_t> lastGoodMs;
};

// What the window shows of a poll.
class LiveView {
 public:
  virtual ~LiveView() = default;
  // "Текущие значения" or "График" is the page shown.
  virtual bool livePageShown() const = 0;
  virtual void repaint() = 0;
  // The values are already clamped for display.
  virtual void ShowLiveValues(const LiveValues& values) = 0;
  virtual void DrawTrendPoint(const LiveValues& values) = 0;
  virtual void showAnswerStatus(const AnswerStatus& status) = 0;
  // A view without value panels of its own has nothing to grey.
  virtual void showFreshness(const LiveFreshness& /*freshness*/) {}
};

class LivePolling {
 public:
  // `measurementLog` empty: no measurement log (the switch of dev.dat is off).
  LivePolling(DeviceLink& link, LiveValues& values, const DeviceSettings& settings, LiveView& view,
              std::filesystem::path measurementLog);

  // One tick; nullopt when no live page is shown (then nothing is sent and nothing counted),
  // else the code of the read, whose failure leaves the last values on show.
  std::optional<LinkError> PollLiveValues();

  // Each tick the measurement log writes goes to `log` as well, while it is switched on.
  void alsoLogTo(CsvMeasurementLog& log) { csvLog_ = &log; }

 private:
  void countTick();

  DeviceLink& link_;
  LiveValues& values_;
  const DeviceSettings& settings_;
  LiveView& view_;
  const std::filesystem::path measurementLog_;
  CsvMeasurementLog* csvLog_ = nullptr;
  int ticks_ = 0;
  std::optional<std::int64_t> lastGoodMs_;
};

}  // namespace zorkan
