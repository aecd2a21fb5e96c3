#include "publish/discovery.h"

#include "publish/instrument_topics.h"
#include "ini/json_text.h"
#include "settings/enumerations.h"

namespace zorkan {

namespace {

// A dashboard's step of a setting: what a read-back is compared with, finer being no more sure.
constexpr std::string_view kSettingStep = "0.01";

// A JSON object under construction: members are added in order, each value already JSON.
class JsonObjectText {
 public:
  JsonObjectText& add(std::string_view name, const std::string& json) {
    text_ += text_.empty() ? "{" : ",";
    text_ += JsonString(name) + ":" + json;
    return *this;
  }
  JsonObjectText& text(std::string_view name, std::string_view value) {
    return add(name, JsonString(value));
  }
  std::string done() const { return text_ + "}"; }

 private:
  std::string text_;
};

// A JSON list of one item, already JSON. Built by appending: GCC 12's Release build warns about
// the sum of these strings.
std::string ListOf(const std::string& item) {
  std::string list = "[";
  list += item;
  list += ']';
  return list;
}

std::string NodeId(const InstrumentIdentity& identity) {
  return "zorkan_" + std::to_string(identity.serialNumber);
}

std::string DeviceJson(const InstrumentIdentity& identity) {
  return JsonObjectText()
      .add("identifiers", ListOf(JsonString(NodeId(identity))))
      .text("name", "ЗОРКАН № " + std::to_string(identity.serialNumber))
      .text("model", DeviceTypeText(identity.deviceType))
      .text("sw_version", FirmwareVersionText(identity.firmwareVersion))
      .text("serial_number", std::to_string(identity.serialNumber))
      .done();
}

std::string ChannelUnit(const DiscoveredInstrument& instrument, int channel) {
  const std::optional<std::int32_t>& sensor = instrument.sensorTypes[channel];
  return sensor && IsTemperatureSensor(*sensor) ? "°C" : "";
}

// The configurations of one instrument's entities, each with the members all of them share: the
// instrument's device, its availability and the tool that announces it.
class Announcement {
 public:
  Announcement(std::string_view prefix, const DiscoveredInstrument& instrument,
               const ToolName& tool)
      : prefix_(prefix), instrument_(instrument), node_(NodeId(instrument.identity)) {
    device_ = DeviceJson(instrument.identity);
    origin_ = JsonObjectText().text("name", tool.name).text("sw_version", tool.version).done();
    availability_ = ListOf(JsonObjectText()
                               .text("topic", OnlineMessage(instrument.root, true).topic)
                               .text("payload_available", "online")
                               .text("payload_not_available", "offline")
                               .done());
  }

  // The members every entity has, after its name and before its own.
  JsonObjectText entity(std::string_view object, std::string_view name) const {
    JsonObjectText configuration;
    configuration.text("name", name)
        .text("unique_id", node_ + "_" + std::string(object))
        .add("availability", availability_)
        .add("device", device_)
        .add("origin", origin_)
        .add("qos", "1");
    return configuration;
  }

  void announce(std::string_view component, std::string_view object,
                const JsonObjectText& configuration) {
    messages_.push_back({prefix_ + "/" + std::string(component) + "/" + node_ + "/" +
                             std::string(object) + "/config",
                         configuration.done(), true});
  }

  std::string topic(std::string_view below) const {
    return instrument_.root + "/" + std::string(below);
  }

  std::vector<BrokerMessage> messages() && { return std::move(messages_); }

 private:
  std::string prefix_;
  const DiscoveredInstrument& instrument_;
  std::string node_;
  std::string device_;
  std::string origin_;
  std::string availability_;
  std::vector<BrokerMessage> messages_;
};

// A binary sensor of a flag published as 1 or 0.
void AnnounceFlag(Announcement& announcement, const std::string& object, const std::string& caption,
                  const std::string& below) {
  JsonObjectText flag = announcement.entity(object, caption);
  flag.text("state_topic", announcement.topic(below))
      .text("payload_on", "1")
      .text("payload_off", "0");
  announcement.announce("binary_sensor", object, flag);
}

void AnnounceChannel(Announcement& announcement, const DiscoveredInstrument& instrument,
                     int channel) {
  const std::string number = std::to_string(channel + 1);
  const std::string object = "channel" + number;
  const std::string caption = "Канал " + number;
  JsonObjectText value = announcement.entity(object + "_value", caption);
  value.text("state_topic", announcement.topic(object + "/value"))
      .text("state_class", "measurement");
  if (const std::string unit = ChannelUnit(instrument, channel); !unit.empty()) {
    value.text("device_class", "temperature").text("unit_of_measurement", unit);
  }
  announcement.announce("sensor", object + "_value", value);

  JsonObjectText status = announcement.entity(object + "_status_text", caption + ": состояние");
  status.text("state_topic", announcement.topic(object + "/status_text"));
  announcement.announce("sensor", object + "_status_text", status);

  for (const std::string setpoint : {"1", "2"}) {
    AnnounceFlag(announcement, object + "_setpoint" + setpoint, caption + ": уставка " + setpoint,
                 object + "/setpoint" + setpoint);
  }
}

void AnnounceSetting(Announcement& announcement, const DiscoveredInstrument& instrument,
                     const SettableSetting& setting) {
  const std::string object = "set_" + std::string(setting.name);
  JsonObjectText number = announcement.entity(object, setting.caption);
  number.text("command_topic", CommandTopic(instrument.root, setting.name))
      .text("state_topic", SettingTopic(instrument.root, setting.name))
      .add("min", JsonNumber(std::optional<float>(setting.least)))
      .add("max", JsonNumber(std::optional<float>(setting.most)))
      .add("step", std::string(kSettingStep))
      .text("mode", "box");
  std::string unit;
  if (setting.unit == SettingUnit::Seconds) unit = "s";
  if (setting.unit == SettingUnit::Channel) unit = ChannelUnit(instrument, setting.channel);
  if (!unit.empty()) number.text("unit_of_measurement", unit);
  announcement.announce("number", object, number);
}

}  // namespace

std::string DiscoveryStatusTopic(std::string_view discoveryPrefix) {
  return std::string(discoveryPrefix) + "/status";
}

std::vector<BrokerMessage> DiscoveryMessages(std::string_view discoveryPrefix,
                                             const DiscoveredInstrument& instrument,
                                             const ToolName& tool) {
  Announcement announcement(discoveryPrefix, instrument, tool);
  for (int channel = 0; channel < kChannelCount; ++channel) {
    AnnounceChannel(announcement, instrument, channel);
  }
  for (const std::string relay : {"1", "2"}) {
    AnnounceFlag(announcement, "relay" + relay, "Реле " + relay, "relay" + relay);
  }
  for (const SettableSetting* setting : instrument.settings) {
    AnnounceSetting(announcement, instrument, *setting);
  }
  return std::move(announcement).messages();
}

}  // namespace zorkan
