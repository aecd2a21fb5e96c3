#include "publish/instrument_topics.h"

#include "ini/json_text.h"
#include "ini/number_text.h"
#include "live/measurement_log.h"
#include "settings/enumerations.h"

namespace zorkan {

namespace {

// The value as `zorkan-cli live` prints it, without the padding.
std::string ValueText(float value) {
  std::string text = FormatFixed(value);
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

std::string FlagText(bool on) {
  return on ? "1" : "0";
}

std::string ChannelJson(const ChannelLiveValues& channel) {
  return "{\"value\":" + ValueText(channel.value) +
         ",\"status\":" + std::to_string(channel.status) +
         ",\"statusText\":" + JsonString(MeasurementStatusText(channel.status)) +
         ",\"setpoint1\":" + JsonBool(channel.flags & kSetpoint1Reached) +
         ",\"setpoint2\":" + JsonBool(channel.flags & kSetpoint2Reached) +
         ",\"break\":" + JsonBool(channel.flags & kSensorBreak) + "}";
}

}  // namespace

std::string InstrumentTopic(std::string_view prefix, std::int32_t serialNumber) {
  std::string topic(prefix);
  topic += '/';
  topic += std::to_string(serialNumber);
  return topic;
}

BrokerMessage OnlineMessage(const std::string& root, bool online) {
  return {root + "/online", online ? "online" : "offline", true};
}

std::vector<BrokerMessage> IdentityMessages(const std::string& root, std::uint32_t address,
                                            const InstrumentIdentity& identity) {
  return {{root + "/address", std::to_string(address), true},
          {root + "/device_type", DeviceTypeText(identity.deviceType), true},
          {root + "/firmware", FirmwareVersionText(identity.firmwareVersion), true}};
}

std::vector<BrokerMessage> ValueMessages(const std::string& root, const LiveValues& values,
                                         const LocalTime& answered) {
  std::vector<BrokerMessage> messages;
  const auto add = [&](const std::string& name, std::string payload) {
    messages.push_back({root + "/" + name, std::move(payload), true});
  };
  for (std::size_t c = 0; c < values.channels.size(); ++c) {
    const ChannelLiveValues& channel = values.channels[c];
    const std::string prefix = "channel" + std::to_string(c + 1) + "/";
    add(prefix + "value", ValueText(channel.value));
    add(prefix + "status", std::to_string(channel.status));
    add(prefix + "status_text", MeasurementStatusText(channel.status));
    add(prefix + "setpoint1", FlagText(channel.flags & kSetpoint1Reached));
    add(prefix + "setpoint2", FlagText(channel.flags & kSetpoint2Reached));
    add(prefix + "break", FlagText(channel.flags & kSensorBreak));
  }
  add("relay1", FlagText(values.relays & kRelay1On));
  add("relay2", FlagText(values.relays & kRelay2On));
  add("last_answer", IsoTimeText(answered));
  return messages;
}

std::string CommandTopics(const std::string& root) {
  return root + "/set/+";
}

std::optional<std::string_view> CommandedSetting(const std::string& root, std::string_view topic) {
  const std::string start = root + "/set/";
  if (!topic.starts_with(start)) return std::nullopt;
  topic.remove_prefix(start.size());
  if (topic.empty() || topic.find('/') != std::string_view::npos) return std::nullopt;
  return topic;
}

std::string CommandTopic(const std::string& root, std::string_view name) {
  return root + "/set/" + std::string(name);
}

std::string SettingTopic(const std::string& root, std::string_view name) {
  return root + "/setting/" + std::string(name);
}

BrokerMessage SettingMessage(const std::string& root, std::string_view name, float value) {
  return {SettingTopic(root, name), JsonNumber(std::optional<float>(value)), true};
}

BrokerMessage StatsMessage(const std::string& root, const PollStatistics& polls,
                           const CommandCounts& commands, const LocalTime& since) {
  char mean[32];
  std::snprintf(mean, sizeof mean, "%.1f", polls.meanPollMs());
  const auto count = [](std::uint64_t number) { return std::to_string(number); };
  std::string json =
      "{\"since\":" + JsonString(IsoTimeText(since)) + ",\"polls\":" + count(polls.polls) +
      ",\"answers\":" + count(polls.answers) + ",\"timeouts\":" + count(polls.timeouts) +
      ",\"garbled\":" + count(polls.garbled) + ",\"retries\":" + count(polls.retries) +
      ",\"meanPollMs\":" + mean + ",\"worstPollMs\":" + std::to_string(polls.worstPollMs) +
      ",\"commandsDone\":" + count(commands.done) +
      ",\"commandsRefused\":" + count(commands.refused) +
      ",\"commandsFailed\":" + count(commands.failed) + "}";
  return {root + "/stats", std::move(json), true};
}

BrokerMessage JsonMessage(const std::string& root, std::uint32_t address,
                          const InstrumentIdentity& identity, const LiveValues& values,
                          const LocalTime& answered, std::uint64_t dropped) {
  std::string json = "{\"serialNumber\":" + std::to_string(identity.serialNumber) +
                     ",\"address\":" + std::to_string(address) +
                     ",\"time\":" + JsonString(IsoTimeText(answered)) +
                     ",\"relay1\":" + JsonBool(values.relays & kRelay1On) +
                     ",\"relay2\":" + JsonBool(values.relays & kRelay2On);
  for (std::size_t c = 0; c < values.channels.size(); ++c) {
    json += ",\"channel" + std::to_string(c + 1) + "\":" + ChannelJson(values.channels[c]);
  }
  json += ",\"dropped\":" + std::to_string(dropped) + "}";
  return {root + "/json", std::move(json), false};
}

}  // namespace zorkan
