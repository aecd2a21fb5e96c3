#pragma once
// What the publisher says about one instrument, under "PREFIX/SERIAL/": retained topics that a
// dashboard subscribing late still finds, and one JSON message per answered poll for historians.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/clock.h"
#include "live/live_values.h"
#include "publish/broker.h"
#include "publish/command_result.h"
#include "workflows/instrument_identity.h"
#include "workflows/poll_statistics.h"

namespace zorkan {

// "PREFIX/SERIAL", the root of one instrument's topics.
std::string InstrumentTopic(std::string_view prefix, std::int32_t serialNumber);

// "online" or "offline", retained; the will of the instrument's connection is the offline one.
BrokerMessage OnlineMessage(const std::string& root, bool online);

// The network address, device type and firmware version, retained.
std::vector<BrokerMessage> IdentityMessages(const std::string& root, std::uint32_t address,
                                            const InstrumentIdentity& identity);

// Both channels' value, status number and text, setpoint and break flags; the relays; the time of
// the answer. Retained.
std::vector<BrokerMessage> ValueMessages(const std::string& root, const LiveValues& values,
                                         const LocalTime& answered);

// "ROOT/set/+": the commands to the instrument, a setting's name as the last level.
std::string CommandTopics(const std::string& root);
// The name of the setting `topic` commands, when it is one of the instrument's command topics.
std::optional<std::string_view> CommandedSetting(const std::string& root, std::string_view topic);
// "ROOT/set/NAME", where a command to set NAME goes.
std::string CommandTopic(const std::string& root, std::string_view name);

// "ROOT/setting/NAME", where a setting commands may change is published as the instrument last
// read it back, retained.
std::string SettingTopic(const std::string& root, std::string_view name);
BrokerMessage SettingMessage(const std::string& root, std::string_view name, float value);

// The line's health as the polls of the instrument met it since `since`, and what became of its
// commands; retained, so that a dashboard sees a line go bad before the values stop.
BrokerMessage StatsMessage(const std::string& root, const PollStatistics& polls,
                           const CommandCounts& commands, const LocalTime& since);

// All of the values in one message, with the instrument's identity and the count of its messages
// that were dropped so far. Not retained: each one is a point of a series.
BrokerMessage JsonMessage(const std::string& root, std::uint32_t address,
                          const InstrumentIdentity& identity, const LiveValues& values,
                          const LocalTime& answered, std::uint64_t dropped);

}  // namespace zorkan
