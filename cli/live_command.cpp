// live: the live values every 500 ms, one line per poll, through the window's live tick.
#include <chrono>
#include <cstdio>
#include <thread>

#include "cli/commands.h"
#include "ini/number_text.h"
#include "live/measurement_log.h"
#include "workflows/live_polling.h"
#include "workflows/poll_statistics.h"

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

// What publish's stats topic holds of the polls, in a line.
void PrintStatistics(const PollStatistics& stats) {
  std::fprintf(stderr,
               "zorkan-cli live: %llu polls, %llu answers, %llu time-outs, %llu garbled, %llu "
               "retries; poll time mean %.1f ms, worst %lld ms\n",
               static_cast<unsigned long long>(stats.polls),
               static_cast<unsigned long long>(stats.answers),
               static_cast<unsigned long long>(stats.timeouts),
               static_cast<unsigned long long>(stats.garbled),
               static_cast<unsigned long long>(stats.retries), stats.meanPollMs(),
               static_cast<long long>(stats.worstPollMs));
}

}  // namespace

int RunLive(const LiveCommand& command, Session& session) {
  if (!session.openPort()) return session.finish(kNoAnswer);
  if (command.csv) std::fputs("time,relays,channel1,status1,channel2,status2\n", stdout);
  PrintedLiveView view(session.link(), command.csv);
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
