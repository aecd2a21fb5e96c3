// live: the live values every 500 ms, one line per poll.
#include <chrono>
#include <cstdio>
#include <thread>

#include "cli/commands.h"
#include "live/live_values.h"
#include "live/measurement_log.h"
#include "ini/number_text.h"

namespace zorkan::cli {

namespace {

constexpr std::chrono::milliseconds kPollPeriod{500};

std::string CsvLine(const LiveValues& values, const LocalTime& time) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02dT%02d:%02d:%02d", time.year, time.month,
                time.day, time.hour, time.minute, time.second);
  std::string line = stamp;
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

}  // namespace

int RunLive(const LiveCommand& command, Session& session) {
  if (!session.OpenPort()) return session.Finish(kNoAnswer);
  if (command.csv) std::fputs("time,relays,channel1,status1,channel2,status2\n", stdout);
  LiveValues values;
  LinkError result = kOk;
  auto next = std::chrono::steady_clock::now();
  for (int poll = 0; !command.count || poll < *command.count; ++poll) {
    result = ReadLiveValues(session.link, values);
    // Like the measurement log: a failed poll repeats the last values it has.
    ClampForDisplay(values);
    const LocalTime& time = session.link.lastWait().start;
    const std::string line = command.csv ? CsvLine(values, time) : MeasurementLogLine(values, time);
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
    if (result != kOk) session.Finish(result);
    if (InterruptRequested()) break;
    next += kPollPeriod;
    std::this_thread::sleep_until(next);
    if (InterruptRequested()) break;
  }
  return result;
}

}  // namespace zorkan::cli
