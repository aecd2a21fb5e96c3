// The publisher's logic against a fake broker, with the in-process instrument on virtual time.
#include "publish/line_publisher.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <set>
#include <sstream>

#include <algorithm>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "publish/json_value.h"
#include "publish/settable_settings.h"
#include "tests/support/live_block.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/settings_rig.h"

namespace zorkan {
namespace {

// A broker that is there or away at the test's word; every message it took, in order.
class FakeBroker final : public Broker {
 public:
  class Connection final : public BrokerConnection {
   public:
    explicit Connection(FakeBroker& broker) : broker_(broker) {}
    bool publish(const BrokerMessage& message) override {
      if (!broker_.up) return false;
      broker_.messages.push_back(message);
      ++delivered_;
      return true;
    }
    std::uint64_t connectionCount() const override { return broker_.connections; }
    std::uint64_t deliveredCount() const override { return delivered_; }
    void closeBy(std::chrono::steady_clock::time_point deadline) override {
      broker_.closing.push_back("closeBy");
      broker_.deadlines.push_back(deadline);
    }
    void awaitClosed() override { broker_.closing.push_back("awaitClosed"); }

   private:
    FakeBroker& broker_;
    std::uint64_t delivered_ = 0;
  };

  std::unique_ptr<BrokerConnection> connect(const std::string& clientId, const BrokerMessage& will,
                                            Subscription subscription) override {
    clientIds.push_back(clientId);
    wills.push_back(will);
    subscriptions.push_back(std::move(subscription));
    return std::make_unique<Connection>(*this);
  }

  // Sent to every connection with a subscription that matches it.
  void deliver(const BrokerMessage& message) {
    for (const Subscription& subscription : subscriptions) {
      if (std::ranges::any_of(subscription.topics, [&](const std::string& filter) {
            return Matches(filter, message.topic);
          })) {
        subscription.onMessage(message);
      }
    }
  }

  // MQTT's topic filters: + for one level, # for the rest.
  static bool Matches(std::string_view filter, std::string_view topic) {
    while (!filter.empty()) {
      if (filter == "#") return true;
      const std::size_t filterEnd = std::min(filter.find('/'), filter.size());
      const std::size_t topicEnd = std::min(topic.find('/'), topic.size());
      if (filter.substr(0, filterEnd) != "+" &&
          filter.substr(0, filterEnd) != topic.substr(0, topicEnd)) {
        return false;
      }
      const bool filterGoesOn = filterEnd < filter.size();
      if (filterGoesOn != (topicEnd < topic.size())) return false;
      filter.remove_prefix(std::min(filterEnd + 1, filter.size()));
      topic.remove_prefix(std::min(topicEnd + 1, topic.size()));
    }
    return topic.empty();
  }

  // What a subscriber arriving now would be sent: the last retained message of each topic.
  std::map<std::string, std::string> retained() const {
    std::map<std::string, std::string> last;
    for (const BrokerMessage& message : messages) {
      if (message.retain) last[message.topic] = message.payload;
    }
    return last;
  }
  std::vector<std::string> payloadsOf(const std::string& topic) const {
    std::vector<std::string> payloads;
    for (const BrokerMessage& message : messages) {
      if (message.topic == topic) payloads.push_back(message.payload);
    }
    return payloads;
  }

  bool up = true;
  std::uint64_t connections = 1;
  std::vector<BrokerMessage> messages;
  std::vector<std::string> clientIds;
  std::vector<BrokerMessage> wills;
  std::vector<Subscription> subscriptions;
  std::vector<std::string> closing;  // the calls that closed the connections, in order
  std::vector<std::chrono::steady_clock::time_point> deadlines;
};

struct PublisherRig : testing::SettingsRig {
  explicit PublisherRig(const std::vector<std::uint32_t>& addresses = {1},
                        sim::SimulatorOptions line = {}, PublishOptions options = {})
      : SettingsRig(line),
        publisher(
            link, broker, "plant/line1", addresses,
            [this](const std::string& text) { notes.push_back(text); }, std::move(options)) {}

  void pollRound() {
    publisher.pollRound([] { return false; });
  }

  FakeBroker broker;
  std::vector<std::string> notes;
  LinePublisher publisher;
};

const std::string kRoot = "plant/line1/12345";

// What the window would show, clamped alike: channel 1 above the display limit, channel 2 not a
// number with its break flag.
TEST(LinePublisher, EveryValueIsRetainedAsShownAndEachPollGivesOneJson) {
  PublisherRig rig;
  rig.simulator.overrideLiveBlock(testing::LiveBlockWith(kRelay2On, 12000.0f, 0, kSetpoint1Reached,
                                                         std::numeric_limits<float>::quiet_NaN(), 0,
                                                         kSensorBreak));
  rig.pollRound();
  rig.pollRound();

  EXPECT_EQ(rig.broker.clientIds, std::vector<std::string>{kRoot});
  EXPECT_EQ(rig.broker.wills, (std::vector<BrokerMessage>{{kRoot + "/online", "offline", true}}));
  std::map<std::string, std::string> retained = rig.broker.retained();
  retained.erase(kRoot + "/stats");  // LineStatisticsCountWhatTheLineMet
  const std::string answered = retained[kRoot + "/last_answer"];
  EXPECT_EQ(answered.rfind("2026-12-07T10:00:0", 0), 0u) << answered;
  const std::map<std::string, std::string> expected{
      {kRoot + "/online", "online"},
      {kRoot + "/address", "1"},
      {kRoot + "/device_type", "740 НР Одноканальн. ПИД регул."},
      {kRoot + "/firmware", "1.1.2"},
      {kRoot + "/channel1/value", "10000.0000"},
      {kRoot + "/channel1/status", "0"},
      {kRoot + "/channel1/status_text", "Нормальное измерение"},
      {kRoot + "/channel1/setpoint1", "1"},
      {kRoot + "/channel1/setpoint2", "0"},
      {kRoot + "/channel1/break", "0"},
      {kRoot + "/channel2/value", "-444.0000"},
      {kRoot + "/channel2/status", "4"},
      {kRoot + "/channel2/status_text", "Ошибка в плавающей арифметике"},
      {kRoot + "/channel2/setpoint1", "0"},
      {kRoot + "/channel2/setpoint2", "0"},
      {kRoot + "/channel2/break", "1"},
      {kRoot + "/relay1", "0"},
      {kRoot + "/relay2", "1"},
      {kRoot + "/last_answer", answered},
  };
  EXPECT_EQ(retained, expected);

  const std::vector<std::string> json = rig.broker.payloadsOf(kRoot + "/json");
  ASSERT_EQ(json.size(), 2u);
  EXPECT_EQ(json[1],
            "{\"serialNumber\":12345,\"address\":1,\"time\":\"" + answered +
                "\",\"relay1\":false,\"relay2\":true,"
                "\"channel1\":{\"value\":10000.0000,\"status\":0,\"statusText\":"
                "\"Нормальное измерение\",\"setpoint1\":true,\"setpoint2\":false,\"break\":false},"
                "\"channel2\":{\"value\":-444.0000,\"status\":4,\"statusText\":"
                "\"Ошибка в плавающей арифметике\",\"setpoint1\":false,\"setpoint2\":false,"
                "\"break\":true},\"dropped\":0}");
  // The state is said once, not with every poll.
  EXPECT_EQ(rig.broker.payloadsOf(kRoot + "/online"), std::vector<std::string>{"online"});
}

TEST(LinePublisher, SilentInstrumentTurnsOfflineOnceKeepsItsLastValuesAndReturns) {
  PublisherRig rig;
  rig.pollRound();
  const std::size_t valuesBefore = rig.broker.payloadsOf(kRoot + "/channel1/value").size();
  rig.simulator.addFault({.kind = sim::FaultKind::Silence});
  rig.pollRound();
  rig.pollRound();
  EXPECT_EQ(rig.broker.payloadsOf(kRoot + "/online"),
            (std::vector<std::string>{"online", "offline"}));
  EXPECT_EQ(rig.broker.payloadsOf(kRoot + "/channel1/value").size(), valuesBefore);

  rig.simulator.clearFaults();
  rig.pollRound();
  EXPECT_EQ(rig.broker.payloadsOf(kRoot + "/online"),
            (std::vector<std::string>{"online", "offline", "online"}));
  EXPECT_EQ(rig.broker.payloadsOf(kRoot + "/channel1/value").size(), valuesBefore + 1);
  EXPECT_EQ(rig.publisher.counts().dropped, 0u);
}

// Its topics need its serial number: nothing is published for it, and no connection is made,
// until it has answered.
TEST(LinePublisher, InstrumentSilentAtStartIsPublishedOnceItAnswers) {
  PublisherRig rig;
  rig.simulator.addFault({.kind = sim::FaultKind::Silence});
  rig.pollRound();
  rig.pollRound();
  EXPECT_TRUE(rig.broker.clientIds.empty());
  EXPECT_TRUE(rig.broker.messages.empty());
  EXPECT_EQ(rig.notes.size(), 1u) << "one note for a silence, not one per poll";

  rig.simulator.clearFaults();
  rig.pollRound();
  EXPECT_EQ(rig.broker.clientIds, std::vector<std::string>{kRoot});
  EXPECT_EQ(rig.broker.retained()[kRoot + "/online"], "online");
}

// Nothing waits for a broker that is away: each message it could not take is counted, the
// historian learns the count, and a new connection is told the state again, which a restarted
// broker has forgotten.
TEST(LinePublisher, BrokerAwayCountsWhatWasDroppedAndANewConnectionHearsTheStateAgain) {
  PublisherRig rig;
  rig.pollRound();
  const std::uint64_t published = rig.publisher.counts().published;
  rig.broker.up = false;
  rig.pollRound();
  rig.pollRound();
  // 15 values and the JSON message a poll.
  EXPECT_EQ(rig.publisher.counts().dropped, 2u * 16u);
  EXPECT_EQ(rig.publisher.counts().published, published);

  rig.broker.up = true;
  rig.broker.connections = 2;
  rig.pollRound();
  EXPECT_EQ(rig.broker.payloadsOf(kRoot + "/online"),
            (std::vector<std::string>{"online", "online"}));
  EXPECT_EQ(rig.broker.payloadsOf(kRoot + "/firmware").size(), 2u);
  const std::vector<std::string> json = rig.broker.payloadsOf(kRoot + "/json");
  EXPECT_NE(json.back().find("\"dropped\":32}"), std::string::npos) << json.back();
}

// A broker that does not answer costs a stop one wait, not one per instrument: every connection is
// told to close, under one deadline, before the first is waited for.
TEST(LinePublisher, StopClosesEveryConnectionAtOnceUnderOneDeadline) {
  PublisherRig rig({1, 2}, {.moreAddresses = {2}});
  rig.pollRound();
  rig.publisher.close(std::chrono::seconds(2));
  EXPECT_EQ(rig.broker.closing,
            (std::vector<std::string>{"closeBy", "closeBy", "awaitClosed", "awaitClosed"}));
  ASSERT_EQ(rig.broker.deadlines.size(), 2u);
  EXPECT_EQ(rig.broker.deadlines[0], rig.broker.deadlines[1]);
  EXPECT_EQ(rig.broker.retained()[kRoot + "/online"], "offline");
  EXPECT_EQ(rig.broker.retained()["plant/line1/12346/online"], "offline");
}

// A counted run is a check: it must tell an instrument whose values never got through, whether
// the broker or the instrument failed, from one whose did.
TEST(LinePublisher, InstrumentsNoneOfWhoseMessagesArrivedAreCountedAndNamed) {
  PublisherRig rig({1, 3});  // no instrument at 3
  rig.pollRound();
  rig.publisher.close(std::chrono::seconds(2));
  EXPECT_EQ(rig.publisher.counts().delivered, rig.broker.messages.size());
  EXPECT_EQ(rig.publisher.counts().unreached, 1u);
  EXPECT_EQ(rig.notes.back(), "address 3: never answered, nothing was published for it");

  PublisherRig away;
  away.broker.up = false;
  away.pollRound();
  away.publisher.close(std::chrono::seconds(2));
  EXPECT_EQ(away.publisher.counts().delivered, 0u);
  EXPECT_EQ(away.publisher.counts().unreached, 1u);
  EXPECT_EQ(away.notes.back(), kRoot + " at address 1: none of its messages reached the broker");
}

// A number of a JSON object; NaN when it has none of that name.
double NumberOf(const JsonValue& json, std::string_view name) {
  for (const auto& [key, value] : *json.as<JsonObject>()) {
    if (key == name && value.as<double>()) return *value.as<double>();
  }
  return std::numeric_limits<double>::quiet_NaN();
}

// A line that goes bad shows in its statistics before its values stop: every attempt the
// instrument left unanswered is a time-out, every garbled answer is counted, every repeat is a
// retry, and a poll that got nothing is a poll without an answer. They go out at the first poll,
// after each interval and at the end, not with every poll.
TEST(LinePublisher, LineStatisticsCountWhatTheLineMet) {
  PublishOptions options;
  options.statsInterval = std::chrono::seconds(60);
  PublisherRig rig({1}, {}, options);
  rig.pollRound();
  // The live block's request, and no other: three attempts unanswered, then one garbled.
  rig.simulator.addFault({.kind = sim::FaultKind::Silence, .space = 1, .number = 2, .times = 3});
  rig.pollRound();
  rig.pollRound();
  rig.simulator.addFault(
      {.kind = sim::FaultKind::NoiseBefore, .space = 1, .number = 2, .amount = 70, .times = 1});
  rig.pollRound();
  rig.simulator.clock().advance(std::chrono::seconds(60));
  rig.pollRound();

  const std::vector<std::string> stats = rig.broker.payloadsOf(kRoot + "/stats");
  ASSERT_EQ(stats.size(), 2u);
  const std::optional<JsonValue> last = ParseJson(stats.back());
  ASSERT_TRUE(last) << stats.back();
  EXPECT_EQ(NumberOf(*last, "polls"), 5);
  EXPECT_EQ(NumberOf(*last, "answers"), 4);
  EXPECT_EQ(NumberOf(*last, "timeouts"), 3);
  EXPECT_EQ(NumberOf(*last, "garbled"), 1);
  EXPECT_EQ(NumberOf(*last, "retries"), 3);
  // Two silent attempts cost two answer waits of at least a second each.
  EXPECT_GE(NumberOf(*last, "worstPollMs"), 2000);
  EXPECT_GT(NumberOf(*last, "worstPollMs"), NumberOf(*last, "meanPollMs"));
  EXPECT_EQ(NumberOf(*last, "commandsDone"), 0);
  EXPECT_EQ(NumberOf(*ParseJson(stats.front()), "polls"), 1);

  rig.publisher.close(std::chrono::seconds(2));
  EXPECT_EQ(rig.broker.payloadsOf(kRoot + "/stats").size(), 3u) << "the last counts at the end";
}

// Home Assistant's MQTT discovery as its documentation gives each component's configuration: the
// keys it takes, with the JSON type of each; those marked required must be there.
enum class JsonType { String, Number, Integer, Boolean, Object, StringList, ObjectList };
struct DocumentedKey {
  std::string_view name;
  JsonType type;
  bool required = false;
};

const std::vector<DocumentedKey> kEveryEntity{
    {"name", JsonType::String},
    {"unique_id", JsonType::String},
    {"object_id", JsonType::String},
    {"icon", JsonType::String},
    {"availability", JsonType::ObjectList},
    {"availability_mode", JsonType::String},
    {"availability_topic", JsonType::String},
    {"payload_available", JsonType::String},
    {"payload_not_available", JsonType::String},
    {"device", JsonType::Object},
    {"origin", JsonType::Object},
    {"qos", JsonType::Integer},
    {"enabled_by_default", JsonType::Boolean},
    {"entity_category", JsonType::String},
    {"json_attributes_topic", JsonType::String},
    {"json_attributes_template", JsonType::String},
    {"value_template", JsonType::String},
    {"encoding", JsonType::String},
    {"expire_after", JsonType::Integer},
};
const std::map<std::string_view, std::vector<DocumentedKey>> kComponentKeys{
    {"sensor",
     {{"state_topic", JsonType::String, true},
      {"device_class", JsonType::String},
      {"state_class", JsonType::String},
      {"unit_of_measurement", JsonType::String},
      {"suggested_display_precision", JsonType::Integer},
      {"force_update", JsonType::Boolean}}},
    {"binary_sensor",
     {{"state_topic", JsonType::String, true},
      {"payload_on", JsonType::String},
      {"payload_off", JsonType::String},
      {"device_class", JsonType::String},
      {"off_delay", JsonType::Integer},
      {"force_update", JsonType::Boolean}}},
    {"number",
     {{"command_topic", JsonType::String, true},
      {"command_template", JsonType::String},
      {"state_topic", JsonType::String},
      {"min", JsonType::Number},
      {"max", JsonType::Number},
      {"step", JsonType::Number},
      {"mode", JsonType::String},
      {"unit_of_measurement", JsonType::String},
      {"device_class", JsonType::String},
      {"optimistic", JsonType::Boolean},
      {"retain", JsonType::Boolean},
      {"payload_reset", JsonType::String}}},
};
const std::vector<DocumentedKey> kDeviceKeys{
    {"identifiers", JsonType::StringList, true},
    {"connections", JsonType::ObjectList},
    {"name", JsonType::String},
    {"manufacturer", JsonType::String},
    {"model", JsonType::String},
    {"model_id", JsonType::String},
    {"serial_number", JsonType::String},
    {"sw_version", JsonType::String},
    {"hw_version", JsonType::String},
    {"suggested_area", JsonType::String},
    {"configuration_url", JsonType::String},
    {"via_device", JsonType::String},
};
const std::vector<DocumentedKey> kOriginKeys{{"name", JsonType::String, true},
                                             {"sw_version", JsonType::String},
                                             {"support_url", JsonType::String}};
const std::vector<DocumentedKey> kAvailabilityKeys{{"topic", JsonType::String, true},
                                                   {"payload_available", JsonType::String},
                                                   {"payload_not_available", JsonType::String},
                                                   {"value_template", JsonType::String}};

bool HasType(const JsonValue& value, JsonType type) {
  const auto listOf = [&](auto isItem) {
    const JsonArray* list = value.as<JsonArray>();
    return list != nullptr && std::all_of(list->begin(), list->end(), isItem);
  };
  switch (type) {
    case JsonType::String:
      return value.as<std::string>() != nullptr;
    case JsonType::Number:
      return value.as<double>() != nullptr;
    case JsonType::Integer:
      return value.as<double>() != nullptr &&
             *value.as<double>() == std::floor(*value.as<double>());
    case JsonType::Boolean:
      return value.as<bool>() != nullptr;
    case JsonType::Object:
      return value.as<JsonObject>() != nullptr;
    case JsonType::StringList:
      return listOf([](const JsonValue& item) { return item.as<std::string>() != nullptr; });
    case JsonType::ObjectList:
      return listOf([](const JsonValue& item) { return item.as<JsonObject>() != nullptr; });
  }
  return false;
}

// Every member documented with its type, every required one there; the problems found.
std::vector<std::string> Undocumented(const JsonObject& object,
                                      const std::vector<const std::vector<DocumentedKey>*>& keys) {
  std::vector<std::string> problems;
  for (const auto& [name, value] : object) {
    const DocumentedKey* documented = nullptr;
    for (const auto* list : keys) {
      for (const DocumentedKey& key : *list) {
        if (key.name == name) documented = &key;
      }
    }
    if (documented == nullptr) {
      problems.push_back("undocumented " + name);
    } else if (!HasType(value, documented->type)) {
      problems.push_back("wrong type of " + name);
    }
  }
  for (const auto* list : keys) {
    for (const DocumentedKey& key : *list) {
      const bool there = std::any_of(object.begin(), object.end(),
                                     [&](const auto& member) { return member.first == key.name; });
      if (key.required && !there) problems.push_back("no " + std::string(key.name));
    }
  }
  return problems;
}

const std::string* TextOf(const JsonObject& object, std::string_view name) {
  for (const auto& [key, value] : object) {
    if (key == name) return value.as<std::string>();
  }
  return nullptr;
}

std::vector<BrokerMessage> DiscoveryOf(const FakeBroker& broker) {
  std::vector<BrokerMessage> configurations;
  for (const BrokerMessage& message : broker.messages) {
    if (message.topic.starts_with("homeassistant/")) configurations.push_back(message);
  }
  return configurations;
}

// Each configuration must be one Home Assistant takes, about topics that are really published,
// and come once per connection and once more each time Home Assistant says it has started, never
// with the polls.
TEST(LinePublisher, DiscoveryFollowsTheDocumentedFormatAboutTopicsReallyPublished) {
  PublishOptions options;
  for (const SettableSetting& setting : SettableSettings())
    options.commands.allowed.push_back(&setting);
  options.discoveryPrefix = "homeassistant";
  options.tool = {"zorkan-cli", "9.9.9"};
  PublisherRig rig({1}, {}, options);
  rig.pollRound();
  rig.pollRound();

  const std::vector<BrokerMessage> configurations = DiscoveryOf(rig.broker);
  // Two channels with a value, a status text and two setpoint flags each, two relays, and a
  // number for each setting allowed.
  ASSERT_EQ(configurations.size(), 2u * 4u + 2u + SettableSettings().size());
  const std::map<std::string, std::string> retained = rig.broker.retained();
  const Subscription& subscription = rig.broker.subscriptions.at(0);
  std::set<std::string> uniqueIds;
  for (const BrokerMessage& configuration : configurations) {
    SCOPED_TRACE(configuration.topic);
    EXPECT_TRUE(configuration.retain);
    // homeassistant/COMPONENT/NODE/OBJECT/config, node and object of letters, digits, _ and -.
    const std::vector<std::string> levels = [&] {
      std::vector<std::string> parts;
      std::stringstream topic(configuration.topic);
      for (std::string part; std::getline(topic, part, '/');) parts.push_back(part);
      return parts;
    }();
    ASSERT_EQ(levels.size(), 5u);
    EXPECT_EQ(levels[4], "config");
    for (const std::string& id : {levels[2], levels[3]}) {
      EXPECT_TRUE(!id.empty() && std::all_of(id.begin(), id.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-';
      })) << id;
    }
    const auto component = kComponentKeys.find(levels[1]);
    ASSERT_NE(component, kComponentKeys.end()) << levels[1];
    const std::optional<JsonValue> json = ParseJson(configuration.payload);
    ASSERT_TRUE(json && json->as<JsonObject>()) << configuration.payload;
    const JsonObject& config = *json->as<JsonObject>();
    EXPECT_EQ(Undocumented(config, {&kEveryEntity, &component->second}),
              std::vector<std::string>{});
    ASSERT_TRUE(TextOf(config, "unique_id"));
    EXPECT_TRUE(uniqueIds.insert(*TextOf(config, "unique_id")).second);

    for (const auto& [key, value] : config) {
      if (key == "device") {
        const JsonObject& device = *value.as<JsonObject>();
        EXPECT_EQ(Undocumented(device, {&kDeviceKeys}), std::vector<std::string>{});
        EXPECT_EQ(*TextOf(device, "serial_number"), "12345");
        EXPECT_EQ(*TextOf(device, "model"), "740 НР Одноканальн. ПИД регул.");
        EXPECT_EQ(*TextOf(device, "sw_version"), "1.1.2");
      } else if (key == "origin") {
        EXPECT_EQ(Undocumented(*value.as<JsonObject>(), {&kOriginKeys}),
                  std::vector<std::string>{});
        EXPECT_EQ(*TextOf(*value.as<JsonObject>(), "name"), "zorkan-cli");
      } else if (key == "availability") {
        for (const JsonValue& entry : *value.as<JsonArray>()) {
          const JsonObject& availability = *entry.as<JsonObject>();
          EXPECT_EQ(Undocumented(availability, {&kAvailabilityKeys}), std::vector<std::string>{});
          const std::string topic = *TextOf(availability, "topic");
          EXPECT_EQ(retained.at(topic), *TextOf(availability, "payload_available"));
        }
      } else if (key == "state_topic") {
        EXPECT_TRUE(retained.contains(*value.as<std::string>())) << *value.as<std::string>();
      } else if (key == "command_topic") {
        // The connection's own command topics, whose last level is a setting's name.
        const std::string& topic = *value.as<std::string>();
        EXPECT_EQ(subscription.topics.at(0), kRoot + "/set/+");
        EXPECT_TRUE(topic.starts_with(kRoot + "/set/") &&
                    FindSettableSetting(topic.substr(kRoot.size() + 5)) != nullptr)
            << topic;
      }
    }
    if (levels[1] == "number") {
      EXPECT_LT(NumberOf(*json, "min"), NumberOf(*json, "max"));
    }
    // The simulated instruments' channels measure with a thermocouple.
    if (levels[1] == "sensor" && levels[3].ends_with("_value")) {
      EXPECT_EQ(*TextOf(config, "device_class"), "temperature");
      EXPECT_EQ(*TextOf(config, "unit_of_measurement"), "°C");
    }
  }

  rig.broker.deliver({"homeassistant/status", "online", true});
  rig.publisher.serveCommands([] { return false; });
  EXPECT_EQ(DiscoveryOf(rig.broker).size(), configurations.size()) << "a start told before";
  rig.broker.deliver({"homeassistant/status", "online", false});
  rig.publisher.serveCommands([] { return false; });
  rig.pollRound();
  EXPECT_EQ(DiscoveryOf(rig.broker).size(), 2 * configurations.size());
}

// The simulated line, until it is pulled out as a USB adapter is.
class UnpluggablePort final : public SerialPort {
 public:
  explicit UnpluggablePort(SerialPort& line) : line_(line) {}
  bool open(const std::string& path, std::uint32_t baudRate) override {
    return !unplugged && line_.open(path, baudRate);
  }
  void close() override { line_.close(); }
  void write(std::string_view bytes, int timeoutMs) override {
    if (!unplugged) line_.write(bytes, timeoutMs);
  }
  std::size_t read(char* destination, std::size_t maxBytes, int timeoutMs) override {
    return unplugged ? 0 : line_.read(destination, maxBytes, timeoutMs);
  }
  bool lost() const override { return unplugged; }
  void discardPending() override { line_.discardPending(); }

  bool unplugged = false;

 private:
  SerialPort& line_;
};

struct Answered {
  int code = -1;
  std::string text;
};

Answered ResultOf(const BrokerMessage& message) {
  const std::optional<JsonValue> json = ParseJson(message.payload);
  Answered answered;
  if (!json) return answered;
  answered.code = static_cast<int>(NumberOf(*json, "code"));
  answered.text = *TextOf(*json->as<JsonObject>(), "text");
  return answered;
}

// However a command ends, the instrument holds its own value or the one asked, never a part of
// one: a command that finds the line gone is answered 2 and written nowhere; one still waiting
// when the publisher stops is answered, and not carried out.
TEST(LinePublisher, CommandOnALostLineIsAnsweredTwoAndOneWaitingAtTheStopIsNotCarriedOut) {
  testing::ScratchFolder folder;
  sim::InProcessSimulator simulator;
  UnpluggablePort port(simulator.port());
  DeviceLink link(port, simulator.clock(), ".");
  link.openPortAt("COM1", 9600);
  link.setParameters({});
  FakeBroker broker;
  PublishOptions options;
  options.commands.allowed = {FindSettableSetting("regulated_value")};
  options.commands.workDir = folder.path();
  LinePublisher publisher(
      link, broker, "plant/line1", {1}, [](const std::string&) {}, options);
  const auto never = [] { return false; };
  publisher.pollRound(never);
  ASSERT_EQ(broker.subscriptions.at(0).topics, std::vector<std::string>{kRoot + "/set/+"});
  EXPECT_TRUE(broker.subscriptions.at(0).markRetained);

  port.unplugged = true;
  broker.deliver({kRoot + "/set/regulated_value", R"({"value":155,"id":"lost"})", false});
  publisher.serveCommands(never);
  const std::vector<BrokerMessage>& sent = broker.messages;
  ASSERT_EQ(sent.back().topic, kRoot + "/result");
  EXPECT_EQ(ResultOf(sent.back()).code, kNoAnswer);
  EXPECT_EQ(ResultOf(sent.back()).text, "Прибор не ответил (ERR 2)");

  port.unplugged = false;
  broker.deliver({kRoot + "/set/regulated_value", R"({"value":156,"id":"late"})", false});
  publisher.close(std::chrono::seconds(2));
  const auto result = std::find_if(sent.rbegin(), sent.rend(), [](const BrokerMessage& message) {
    return message.topic == kRoot + "/result";
  });
  EXPECT_EQ(ResultOf(*result).code, kCommandStopping);
  EXPECT_EQ(simulator.floatParameter(2, 29), 150.0f);
}

}  // namespace
}  // namespace zorkan
