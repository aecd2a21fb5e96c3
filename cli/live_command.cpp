// live: the live values every 500 ms, one line per poll, through the window's live tick.
#include <chrono>
#include <cstdio>
#include <thread>

#include "cli/commands.h"
#include "ini/number_text.h"
#include "live/measurement_log.h"
#include "workflows/live_polling.h"

namespace zorkan::cli {

namespace {

constexpr std::chrono::milliseconds kPollPeriod{500};

std::string CsvLine(const LiveValues& values, const LocalTime& time) {
  std::string line = IsoTimeWithZoneText(time);
  const auto field = [&line](const std::string& text) {
    line += ',';
    line += text;
  };
  field(std::to_string(values.relays));
  for (const ChannelLiveValues& channel : values.channels) {
    std::string value = FormatFixed(channel.value);
    value.erase(0, value.find_first_not_of(' '));
    field(value);
    field(std::to_string(channel.status));
  }
  line += '\n';
  return line;
}

// The live page of a console: every poll is a line, whether it got its answer or not (a failed
// poll repeats the last values, as the measurement log does).
class PrintedLiveView final : public LiveView {
 public:
  PrintedLiveView(const DeviceLink& link, bool csv) : link_(link), csv_(csv) {}

  bool livePageShown() const override { return true; }
  void repaint() override {}
  void ShowLiveValues(const LiveValues& values) override {
    const LocalTime& time = link_.lastWait().start;
    const std::string line = csv_ ? CsvLine(values, time) : MeasurementLogLine(values, time);
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
  }
  void DrawTrendPoint(const LiveValues&) override {}
  void showAnswerStatus(const AnswerStatus&) override {}

 private:
  const DeviceLink& link_;
  bool csv_;
};

}  // namespace

int RunLive(const LiveCommand& command, Session& session) {
  if (!session.openPort()) return session.finish(kNoAnswer);
  if (command.csv) std::fputs("time,relays,channel1,status1,channel2,status2\n", stdout);
  PrintedLiveView view(session.link(), command.csv);
  LiveValues values;
  const DeviceSettings settings;
  // The lines go to standard output; the command keeps no measurement log of its own.
  LivePolling polling(session.link(), values, settings, view, {});
  LinkError result = kOk;
  auto next = std::chrono::steady_clock::now();
  for (int poll = 0; !command.count || poll < *command.count; ++poll) {
    result = polling.PollLiveValues().value_or(kOk);
    if (result != kOk) session.finish(result);
    if (InterruptRequested()) break;
    next += kPollPeriod;
    std::this_thread::sleep_until(next);
    if (InterruptRequested()) break;
  }
  return result;
}

}  // namespace zorkan::cli
