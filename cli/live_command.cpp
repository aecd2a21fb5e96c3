// live: the live values every 500 ms, one line per poll, through the window's live tick.
#include <chrono>
#include <cstdio>
#include <thread>

#include "cli/commands.h"
#include "cli/json_text.h"
#include "ini/number_text.h"
#include "live/measurement_log.h"
#include "workflows/live_polling.h"
#include "workflows/poll_statistics.h"

namespace zorkan::cli {

namespace {

constexpr std::chrono::milliseconds kPollPeriod{500};

// The measured value as the measurement log prints it, without the padding.
std::string ValueText(float value) {
  std::string text = FormatFixed(value);
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

std::string CsvLine(const LiveValues& values, const LocalTime& time) {
  std::string line = IsoTimeWithZoneText(time);
  const auto field = [&line](const std::string& text) {
    line += ',';
    line += text;
  };
  field(std::to_string(values.relays));
  for (const ChannelLiveValues& channel : values.channels) {
    field(ValueText(channel.value));
    field(std::to_string(channel.status));
  }
  line += '\n';
  return line;
}

// The object of one poll, in the shape of the publisher's JSON message.
std::string JsonLine(const LiveValues& values, const LocalTime& time, LinkError result) {
  JsonObject json;
  json.string("time", IsoTimeText(time))
      .integer("result", result)
      .boolean("relay1", (values.relays & kRelay1On) != 0)
      .boolean("relay2", (values.relays & kRelay2On) != 0);
  for (std::size_t c = 0; c < values.channels.size(); ++c) {
    const ChannelLiveValues& channel = values.channels[c];
    json.json("channel" + std::to_string(c + 1),
              JsonObject()
                  .json("value", ValueText(channel.value))
                  .integer("status", channel.status)
                  .string("statusText", MeasurementStatusText(channel.status))
                  .boolean("setpoint1", (channel.flags & kSetpoint1Reached) != 0)
                  .boolean("setpoint2", (channel.flags & kSetpoint2Reached) != 0)
                  .boolean("break", (channel.flags & kSensorBreak) != 0)
                  .text());
  }
  return json.text() + "\n";
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

// What publish's stats topic holds of the polls, in a line.
void PrintStatistics(const PollStatistics& stats) {
  char line[200];
  std::snprintf(line, sizeof line,
                "live: %llu polls, %llu answers, %llu time-outs, %llu garbled, %llu retries; poll "
                "time mean %.1f ms, worst %lld ms",
                static_cast<unsigned long long>(stats.polls),
                static_cast<unsigned long long>(stats.answers),
                static_cast<unsigned long long>(stats.timeouts),
                static_cast<unsigned long long>(stats.garbled),
                static_cast<unsigned long long>(stats.retries), stats.meanPollMs(),
                static_cast<long long>(stats.worstPollMs));
  Tell(line);
}

// A live page that shows nothing: the JSON lines are printed once the poll's result is known.
class UnshownLiveView final : public LiveView {
 public:
  bool livePageShown() const override { return true; }
  void repaint() override {}
  void ShowLiveValues(const LiveValues&) override {}
  void DrawTrendPoint(const LiveValues&) override {}
  void showAnswerStatus(const AnswerStatus&) override {}
};

}  // namespace

int RunLive(const LiveCommand& command, Session& session) {
  if (const auto refused = session.open()) return *refused;
  if (command.csv) std::fputs("time,relays,channel1,status1,channel2,status2\n", stdout);
  PrintedLiveView printed(session.link(), command.csv);
  UnshownLiveView unshown;
  LiveView& view = command.json ? static_cast<LiveView&>(unshown) : printed;
  LiveValues values;
  const DeviceSettings settings;
  // The lines go to standard output; the command keeps no measurement log of its own.
  LivePolling polling(session.link(), values, settings, view, {});
  PollStatistics stats;
  LinkError result = kOk;
  auto next = std::chrono::steady_clock::now();
  for (int poll = 1;; ++poll) {
    result = CountPoll(session.link(), stats,
                       [&polling] { return polling.PollLiveValues().value_or(kOk); });
    if (command.json) {
      std::fputs(JsonLine(values, session.link().lastWait().start, result).c_str(), stdout);
      std::fflush(stdout);
    }
    if (result != kOk) session.finish(result);
    // The last poll is not followed by a period of waiting for nothing.
    if (InterruptRequested() || (command.count && poll >= *command.count)) break;
    next += kPollPeriod;
    std::this_thread::sleep_until(next);
    if (InterruptRequested()) break;
  }
  if (command.stats) PrintStatistics(stats);
  return result;
}

}  // namespace zorkan::cli
