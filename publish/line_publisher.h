#pragma once
// The publisher of a line of instruments: each poll reads one instrument's live block and hands
// its values to the broker. Each instrument has a broker connection of its own, made once its
// serial number is known, whose will says the instrument is offline: one will per connection is
// all a broker keeps, and every instrument must turn offline when the publisher dies.
//
// A connection subscribes to nothing unless commands are allowed (then to its instrument's command
// topics only) or Home Assistant's discovery is asked for (then to Home Assistant's status). What
// the broker sends waits in an inbox until the line is free between two polls; only a command
// that passes every guard of InstrumentCommands reaches an instrument, as one verified write.

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/device_link.h"
#include "live/live_values.h"
#include "publish/broker.h"
#include "publish/command_inbox.h"
#include "publish/discovery.h"
#include "publish/instrument_commands.h"
#include "workflows/instrument_identity.h"
#include "workflows/poll_statistics.h"

namespace zorkan {

struct PublishCounts {
  std::uint64_t published = 0;  // messages the broker connections took
  std::uint64_t dropped = 0;    // messages they refused: the broker was away or behind
  std::uint64_t delivered = 0;  // messages the broker acknowledged
  std::size_t unreached = 0;    // instruments none of whose messages the broker acknowledged
};

struct PublishOptions {
  CommandPolicy commands;                      // no setting allowed: no commands taken
  std::optional<std::string> discoveryPrefix;  // Home Assistant's; none: no discovery
  ToolName tool;                               // named in the discovery
  std::chrono::milliseconds statsInterval{60'000};
};

class LinePublisher {
 public:
  // Hears when an instrument is found, turns offline or online again, and of each write.
  using Note = std::function<void(const std::string&)>;
  using StopRequested = std::function<bool()>;

  // Polls the instruments at `addresses`, in that order, on `link`, whose parameters other than
  // the network address are used as they are. Topics start with `topicPrefix`.
  LinePublisher(DeviceLink& link, Broker& broker, std::string topicPrefix,
                const std::vector<std::uint32_t>& addresses, Note note,
                PublishOptions options = {});
  LinePublisher(const LinePublisher&) = delete;
  LinePublisher& operator=(const LinePublisher&) = delete;

  // Rounds of polls, one starting every `interval` (a line too slow for it polls round after
  // round, without catching up in a burst), commands served between any two polls and as they
  // come between rounds; until `rounds` are done or a stop is asked for, which is looked for
  // between two polls or commands and every 100 ms between rounds.
  void run(std::chrono::milliseconds interval, std::optional<int> rounds,
           const StopRequested& stopRequested);
  // Polls every instrument once, reading first the identity of those not yet known, and serves
  // the commands waiting before each poll; returns between two polls once `stopRequested` says so.
  void pollRound(const StopRequested& stopRequested);
  // Carries out or answers what the broker has sent so far; once a stop is asked for, the
  // commands still waiting are answered as not carried out.
  void serveCommands(const StopRequested& stopRequested);
  // Answers the commands still waiting, publishes every known instrument's line statistics and
  // offline state, and closes every connection at once, giving the broker `wait` to acknowledge
  // and the clean disconnects a moment more, however many instruments there are. Then names each
  // instrument none of whose messages reached the broker. Nothing is published afterwards.
  void close(std::chrono::milliseconds wait);

  PublishCounts counts() const;

 private:
  struct Instrument {
    std::uint32_t address = 0;
    std::optional<InstrumentIdentity> identity;
    std::string topic;
    std::unique_ptr<BrokerConnection> connection;
    LiveValues values;
    bool online = false;
    bool silenceNoted = false;
    // What the broker was last given, and on which of the connection's connections.
    std::optional<bool> shownOnline;
    std::uint64_t shownOnConnection = 0;
    std::uint64_t dropped = 0;
    std::uint64_t delivered = 0;  // once the connection is closed
    std::optional<InstrumentCommands> commands;
    std::map<std::string_view, float> settingValues;  // as last read, by setting name
    std::array<std::optional<std::int32_t>, kChannelCount> sensorTypes;
    PollStatistics polls;
    std::optional<std::int64_t> statsShownMs;
  };

  void poll(Instrument& instrument);
  bool identify(Instrument& instrument, std::size_t index);
  void readDescription(Instrument& instrument);
  void showOnline(Instrument& instrument);
  void showStats(Instrument& instrument);
  void serve(Instrument& instrument, const BrokerMessage& message, bool stopping);
  std::vector<BrokerMessage> announcements(const Instrument& instrument) const;
  bool send(Instrument& instrument, const BrokerMessage& message);
  void serveCommandsUntil(std::chrono::steady_clock::time_point when,
                          const StopRequested& stopRequested);

  DeviceLink& link_;
  Broker& broker_;
  const std::string topicPrefix_;
  Note note_;
  const PublishOptions options_;
  const LocalTime started_;
  // Before the instruments: their connections' network threads put into it until they are closed.
  CommandInbox inbox_;
  std::vector<Instrument> instruments_;
  PublishCounts counts_;
};

}  // namespace zorkan
