#include "publish/line_publisher.h"

#include <algorithm>
#include <utility>

#include "link/link_at_instrument.h"
#include "link/link_error.h"
#include "operator/result_messages.h"
#include "publish/command_payload.h"
#include "publish/instrument_topics.h"
#include "ini/json_text.h"

namespace zorkan {

namespace {

using Steady = std::chrono::steady_clock;

// A stop is noticed within this while waiting for the next round.
constexpr std::chrono::milliseconds kStopCheck{100};

std::string AddressText(std::uint32_t address) {
  return "address " + std::to_string(address);
}

}  // namespace

LinePublisher::LinePublisher(DeviceLink& link, Broker& broker, std::string topicPrefix,
                             const std::vector<std::uint32_t>& addresses, Note note,
                             PublishOptions options)
    : link_(link),
      broker_(broker),
      topicPrefix_(std::move(topicPrefix)),
      note_(std::move(note)),
      options_(std::move(options)),
      started_(link.clock().localTime()) {
  for (const std::uint32_t address : addresses) {
    Instrument& instrument = instruments_.emplace_back();
    instrument.address = address;
  }
}

void LinePublisher::run(std::chrono::milliseconds interval, std::optional<int> rounds,
                        const StopRequested& stopRequested) {
  auto next = Steady::now();
  for (int round = 1; !stopRequested(); ++round) {
    pollRound(stopRequested);
    if (rounds && round >= *rounds) break;
    next = std::max(next + interval, Steady::now());
    serveCommandsUntil(next, stopRequested);
  }
}

void LinePublisher::serveCommandsUntil(Steady::time_point when,
                                       const StopRequested& stopRequested) {
  while (!stopRequested()) {
    serveCommands(stopRequested);
    const auto now = Steady::now();
    if (now >= when) return;
    inbox_.waitUntil(std::min(when, now + kStopCheck));
  }
}

void LinePublisher::pollRound(const StopRequested& stopRequested) {
  for (std::size_t index = 0; index < instruments_.size(); ++index) {
    if (stopRequested()) return;
    serveCommands(stopRequested);
    Instrument& instrument = instruments_[index];
    if (!instrument.connection && !identify(instrument, index)) continue;
    poll(instrument);
  }
}

void LinePublisher::serveCommands(const StopRequested& stopRequested) {
  for (const CommandInbox::Letter& letter : inbox_.takeAll()) {
    serve(instruments_[letter.instrument], letter.message, stopRequested());
  }
}

void LinePublisher::serve(Instrument& instrument, const BrokerMessage& message, bool stopping) {
  // What a broker keeps is an old message: a command it would replay after every restart, or the
  // start of Home Assistant it has already been told about.
  if (message.retain) return;
  if (options_.discoveryPrefix &&
      message.topic == DiscoveryStatusTopic(*options_.discoveryPrefix)) {
    if (message.payload != "online") return;
    for (const BrokerMessage& announcement : announcements(instrument)) {
      send(instrument, announcement);
    }
    return;
  }
  const std::optional<std::string_view> name = CommandedSetting(instrument.topic, message.topic);
  if (!name || !instrument.commands) return;
  const CommandResult result = stopping
                                   ? instrument.commands->refuseAtStop(*name, message.payload)
                                   : instrument.commands->carryOut(*name, message.payload, link_);
  if (result.sent) {
    note_(instrument.topic + ": set " + result.name + " " + JsonNumber(result.asked) +
          (result.id.empty() ? "" : " (id " + result.id + ")") + ": " + result.text);
  }
  if (result.readBack) {
    // The name is the table's, which outlives the map.
    const std::string_view setting = FindSettableSetting(result.name)->name;
    instrument.settingValues[setting] = *result.readBack;
    send(instrument, SettingMessage(instrument.topic, setting, *result.readBack));
  }
  send(instrument, CommandResultMessage(instrument.topic, result));
}

void LinePublisher::close(std::chrono::milliseconds wait) {
  serveCommands([] { return true; });
  // One deadline for the whole line: a broker that does not answer costs the wait once, not once
  // per instrument.
  const auto deadline = Steady::now() + wait;
  for (Instrument& instrument : instruments_) {
    if (!instrument.connection) continue;
    instrument.statsShownMs.reset();
    showStats(instrument);
    send(instrument, OnlineMessage(instrument.topic, false));
  }
  for (Instrument& instrument : instruments_) {
    if (instrument.connection) instrument.connection->closeBy(deadline);
  }
  for (Instrument& instrument : instruments_) {
    if (!instrument.connection) continue;
    instrument.connection->awaitClosed();
    instrument.delivered = instrument.connection->deliveredCount();
    instrument.connection.reset();
  }
  for (const Instrument& instrument : instruments_) {
    if (instrument.delivered != 0) continue;
    note_(instrument.identity
              ? instrument.topic + " at " + AddressText(instrument.address) +
                    ": none of its messages reached the broker"
              : AddressText(instrument.address) + ": never answered, nothing was published for it");
  }
  if (const std::uint64_t dropped = inbox_.dropped(); dropped != 0) {
    note_(std::to_string(dropped) +
          " messages from the broker were dropped unanswered: more than " +
          std::to_string(CommandInbox::kMostWaiting) + " waited at once");
  }
}

PublishCounts LinePublisher::counts() const {
  PublishCounts counts = counts_;
  for (const Instrument& instrument : instruments_) {
    const std::uint64_t delivered =
        instrument.connection ? instrument.connection->deliveredCount() : instrument.delivered;
    counts.delivered += delivered;
    if (delivered == 0) ++counts.unreached;
  }
  return counts;
}

void LinePublisher::poll(Instrument& instrument) {
  LinkAtInstrument atAddress(link_);
  atAddress.moveToAddress(instrument.address);
  const LinkError result =
      CountPoll(link_, instrument.polls, [&] { return ReadLiveValues(link_, instrument.values); });
  const bool online = result == kOk;
  if (online) {
    // The values as the window and zorkan-cli live show them.
    ClampForDisplay(instrument.values);
    const LocalTime answered = link_.lastWait().start;
    for (const BrokerMessage& message :
         ValueMessages(instrument.topic, instrument.values, answered)) {
      send(instrument, message);
    }
    send(instrument, JsonMessage(instrument.topic, instrument.address, *instrument.identity,
                                 instrument.values, answered, instrument.dropped));
  }
  if (online != instrument.online) {
    note_(instrument.topic + " at " + AddressText(instrument.address) +
          (online ? ": online" : ": offline, " + ResultMessageText(result)));
  }
  instrument.online = online;
  showOnline(instrument);
  showStats(instrument);
}

// An instrument is published only once its serial number names its topics; one that does not
// answer yet is asked again at the next poll.
bool LinePublisher::identify(Instrument& instrument, std::size_t index) {
  InstrumentIdentity identity;
  const LinkError result = ReadInstrumentIdentity(link_, instrument.address, identity);
  if (result != kOk) {
    if (!std::exchange(instrument.silenceNoted, true)) {
      note_(AddressText(instrument.address) + ": serial number not read, " +
            ResultMessageText(result) + "; asked again at every poll");
    }
    return false;
  }
  instrument.identity = identity;
  instrument.topic = InstrumentTopic(topicPrefix_, identity.serialNumber);
  if (!options_.commands.allowed.empty()) {
    instrument.commands.emplace(options_.commands, identity.serialNumber, instrument.address);
  }
  readDescription(instrument);
  Subscription subscription;
  if (instrument.commands) subscription.topics.push_back(CommandTopics(instrument.topic));
  if (options_.discoveryPrefix) {
    subscription.topics.push_back(DiscoveryStatusTopic(*options_.discoveryPrefix));
  }
  if (!subscription.topics.empty()) {
    subscription.onMessage = [this, index](const BrokerMessage& message) {
      inbox_.put(index, message, kMostPayloadBytes);
    };
  }
  subscription.markRetained = instrument.commands.has_value();
  // The topic root is the client id: a restarted publisher takes over its predecessor's
  // connection instead of leaving it to send its will later.
  instrument.connection = broker_.connect(instrument.topic, OnlineMessage(instrument.topic, false),
                                          std::move(subscription));
  note_(instrument.topic + " at " + AddressText(instrument.address));
  return true;
}

// What the announcements and the settings' topics tell beyond the identity, read once. What does
// not answer stays unknown: a unit not announced, a setting's value not published before a
// command reads it back.
void LinePublisher::readDescription(Instrument& instrument) {
  LinkAtInstrument atAddress(link_);
  atAddress.moveToAddress(instrument.address);
  if (options_.discoveryPrefix) {
    for (int channel = 0; channel < kChannelCount; ++channel) {
      const ParameterRef sensor = SensorTypeParam(channel);
      std::int32_t type = 0;
      if (link_.ReadByteParam(sensor.space, sensor.number, type) == kOk) {
        instrument.sensorTypes[static_cast<std::size_t>(channel)] = type;
      }
    }
  }
  for (const SettableSetting* setting : options_.commands.allowed) {
    const ParameterRef where = setting->where();
    float value = 0;
    if (link_.ReadFloatParam(where.space, where.number, value) == kOk) {
      instrument.settingValues[setting->name] = value;
    }
  }
}

// The configurations of Home Assistant's discovery; none without it.
std::vector<BrokerMessage> LinePublisher::announcements(const Instrument& instrument) const {
  if (!options_.discoveryPrefix) return {};
  return DiscoveryMessages(
      *options_.discoveryPrefix,
      {instrument.topic, *instrument.identity, instrument.sensorTypes, options_.commands.allowed},
      options_.tool);
}

// The online state goes out when it changes, and again, with the identity, the settings' values
// and the announcements, on every new connection, whose broker may have lost its retained messages
// (or sent the will meanwhile).
void LinePublisher::showOnline(Instrument& instrument) {
  const std::uint64_t connection = instrument.connection->connectionCount();
  const bool newConnection = connection != instrument.shownOnConnection;
  if (!newConnection && instrument.shownOnline == instrument.online) return;
  bool taken = true;
  if (newConnection) {
    std::vector<BrokerMessage> messages =
        IdentityMessages(instrument.topic, instrument.address, *instrument.identity);
    for (const auto& [name, value] : instrument.settingValues) {
      messages.push_back(SettingMessage(instrument.topic, name, value));
    }
    for (BrokerMessage& announcement : announcements(instrument)) {
      messages.push_back(std::move(announcement));
    }
    for (const BrokerMessage& message : messages) taken = send(instrument, message) && taken;
  }
  taken = send(instrument, OnlineMessage(instrument.topic, instrument.online)) && taken;
  if (!taken) return;
  instrument.shownOnline = instrument.online;
  instrument.shownOnConnection = connection;
}

void LinePublisher::showStats(Instrument& instrument) {
  const std::int64_t nowMs = link_.clock().monotonicMs();
  if (instrument.statsShownMs &&
      nowMs - *instrument.statsShownMs < options_.statsInterval.count()) {
    return;
  }
  const CommandCounts commands =
      instrument.commands ? instrument.commands->counts() : CommandCounts{};
  send(instrument, StatsMessage(instrument.topic, instrument.polls, commands, started_));
  instrument.statsShownMs = nowMs;
}

bool LinePublisher::send(Instrument& instrument, const BrokerMessage& message) {
  if (instrument.connection->publish(message)) {
    ++counts_.published;
    return true;
  }
  ++counts_.dropped;
  ++instrument.dropped;
  return false;
}

}  // namespace zorkan
