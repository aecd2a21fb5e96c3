// Commands to the instruments through a broker of the test's own (mosquitto on a loopback port),
// the publisher and the in-process instruments on virtual time: what reaches an instrument, what
// is refused and what every command is answered.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "journal/journal.h"
#include "publish/command_result.h"
#include "publish/json_value.h"
#include "publish/line_publisher.h"
#include "publish/mosquitto_broker.h"
#include "tests/support/child_process.h"
#include "tests/support/local_broker.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/settings_rig.h"
#include "workflows/exchange_controls.h"

namespace zorkan {
namespace {

using namespace std::chrono_literals;
using testing::LocalBroker;
using testing::ScratchFolder;

constexpr auto kEventWait = 20s;
// Address 2 of the simulated line.
const std::string kRoot = "zorkan/12346";
constexpr std::uint32_t kAddress = 2;
const ParameterRef kRegulatedValue = Setpoint1Param(0);

BrokerSettings On(const LocalBroker& broker, BrokerLogin login = {}) {
  return {"127.0.0.1", static_cast<std::uint16_t>(broker.port()), std::move(login), {}};
}

// A dashboard or a recipe system: sends commands, hears the results and what else it subscribed.
class CommandClient {
 public:
  // Returns once its subscriptions are made.
  CommandClient(const LocalBroker& broker, const std::string& name, BrokerLogin login = {},
                std::vector<std::string> topics = {"zorkan/+/result"})
      : broker_(On(broker, std::move(login)), [](const std::string&) {}) {
    // The broker takes a client's packets in order: once it sends back what the client published
    // on its last subscription, it has made all of them.
    const std::string ready = "test/" + name + "/ready";
    topics.push_back(ready);
    // Retained as published, to see what the publisher retains.
    Subscription subscription{std::move(topics),
                              [this](const BrokerMessage& message) {
                                std::lock_guard lock(mutex_);
                                heard_.push_back(message);
                                arrived_.notify_all();
                              },
                              true};
    connection_ = broker_.connect("test/" + name, {"test/" + name + "/gone", "", false},
                                  std::move(subscription));
    const auto deadline = std::chrono::steady_clock::now() + kEventWait;
    while (std::chrono::steady_clock::now() < deadline) {
      const std::size_t before = heard().size();
      send(ready, "");
      awaitMore(before);
      const std::vector<BrokerMessage> messages = heard();
      if (std::any_of(messages.begin(), messages.end(),
                      [&](const BrokerMessage& message) { return message.topic == ready; })) {
        return;
      }
    }
  }

  // Once the broker has the message: a QoS 1 publish it acknowledged.
  void send(const std::string& topic, const std::string& payload, bool retain = false) {
    const auto deadline = std::chrono::steady_clock::now() + kEventWait;
    const std::uint64_t delivered = connection_->deliveredCount();
    while (!connection_->publish({topic, payload, retain}) &&
           std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(5ms);
    }
    while (connection_->deliveredCount() == delivered &&
           std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(2ms);
    }
  }

  std::vector<BrokerMessage> heard() const {
    std::lock_guard lock(mutex_);
    return heard_;
  }

  // Until something more comes, for 10 ms at most.
  void awaitMore(std::size_t heardBefore) {
    std::unique_lock lock(mutex_);
    arrived_.wait_for(lock, 10ms, [&] { return heard_.size() > heardBefore; });
  }

 private:
  MosquittoBroker broker_;
  mutable std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<BrokerMessage> heard_;
  std::unique_ptr<BrokerConnection> connection_;
};

struct Answer {
  std::string id;
  std::string name;
  std::optional<double> readBack;
  int code = -1;
  std::string text;
};

Answer AnswerOf(const std::string& payload) {
  Answer answer;
  const std::optional<JsonValue> json = ParseJson(payload);
  if (!json || !json->as<JsonObject>()) return answer;
  for (const auto& [key, value] : *json->as<JsonObject>()) {
    if (key == "id" && value.as<std::string>()) answer.id = *value.as<std::string>();
    if (key == "name") answer.name = *value.as<std::string>();
    if (key == "readBack" && value.as<double>()) answer.readBack = *value.as<double>();
    if (key == "code") answer.code = static_cast<int>(*value.as<double>());
    if (key == "text") answer.text = *value.as<std::string>();
  }
  return answer;
}

// Commands for `allowed`, the day's budget `budget`.
PublishOptions Allowing(const std::vector<std::string>& allowed, int budget = 200) {
  PublishOptions options;
  for (const std::string& name : allowed) {
    options.commands.allowed.push_back(FindSettableSetting(name));
  }
  options.commands.writesPerDay = budget;
  return options;
}

// The line of two instruments, its journal, and the publisher polling it for the broker.
struct CommandRig : testing::SettingsRig {
  CommandRig(const LocalBroker& localBroker, const ScratchFolder& folder,
             PublishOptions publishOptions = Allowing({"regulated_value", "zone",
                                                       "alarm_hysteresis"}),
             BrokerLogin login = {})
      : SettingsRig({.moreAddresses = {kAddress}}),
        journal(JournalFolder(folder.path()), simulator.clock()),
        broker(On(localBroker, std::move(login)), [](const std::string&) {}),
        options(std::move(publishOptions)) {
    exchange.journal = &journal;
    options.commands.workDir = folder.path();
    options.commands.journal = &exchange;
    startPublisher();
  }

  // Each connection closes at the same time as the others, not one after the other.
  ~CommandRig() {
    if (publisher) publisher->close(0ms);
  }

  // Started again, as after a restart of the service.
  void startPublisher() {
    publisher.reset();
    publisher.emplace(
        link, broker, "zorkan", std::vector<std::uint32_t>{1, kAddress}, [](const std::string&) {},
        options);
  }

  // Serves what the broker brings until `done` says so.
  template <typename Done>
  bool serveUntil(CommandClient& client, std::chrono::milliseconds wait, Done&& done) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (std::chrono::steady_clock::now() < deadline) {
      publisher->serveCommands([] { return false; });
      const std::size_t heard = client.heard().size();
      if (done()) return true;
      client.awaitMore(heard);
    }
    return false;
  }

  // The answer to the next command carrying `id`; code -1 when none came within `wait`.
  Answer command(CommandClient& client, const std::string& name, const std::string& payload,
                 const std::string& id, std::chrono::milliseconds wait = kEventWait) {
    const std::size_t before = client.heard().size();
    client.send(kRoot + "/set/" + name, payload);
    Answer answer;
    serveUntil(client, wait, [&] {
      const std::vector<BrokerMessage> heard = client.heard();
      for (std::size_t k = before; k < heard.size(); ++k) {
        if (heard[k].topic != kRoot + "/result") continue;
        answer = AnswerOf(heard[k].payload);
        if (answer.id == id) return true;
      }
      return false;
    });
    return answer.id == id ? answer : Answer{};
  }

  // Both instruments polled and their commands taken: a command of a name no setting has is
  // answered, once the publisher's subscription is made.
  bool ready(CommandClient& client) {
    publisher->pollRound([] { return false; });
    const auto deadline = std::chrono::steady_clock::now() + kEventWait;
    for (int probe = 0; std::chrono::steady_clock::now() < deadline; ++probe) {
      const std::string id = "probe" + std::to_string(probe);
      if (command(client, "probe", R"({"value":1,"id":")" + id + "\"}", id, 50ms).code ==
          kCommandNotAllowed) {
        return true;
      }
    }
    return false;
  }

  // The writes the instrument at address 2 received: the frames of command 38.
  std::size_t writesReceived() const {
    std::size_t writes = 0;
    for (const std::string& frame : simulator.receivedFrames()) {
      if (frame.find(":" + std::to_string(kAddress) + ";38;") != std::string::npos) ++writes;
    }
    return writes;
  }

  float regulatedValue() const {
    return *simulator.instrument(kAddress).floatParameter(kRegulatedValue.space,
                                                          kRegulatedValue.number);
  }

  Journal journal;
  NoExchangeControls controls;
  ExchangeContext exchange{link, progress, latch, dialogs, controls};
  MosquittoBroker broker;
  PublishOptions options;
  std::optional<LinePublisher> publisher;
};

TEST(ThroughBroker, AllowedSetIsWrittenReadBackJournalledAndAnswered) {
  ScratchFolder folder;
  LocalBroker localBroker(folder.path());
  CommandRig rig(localBroker, folder);
  CommandClient client(localBroker, "dashboard", {}, {"zorkan/+/result", "zorkan/+/setting/+"});
  // The instrument as "Вернуть настройки до записи" would give it back.
  DeviceSettings before;
  before.general.serialNumber = 12346;
  ASSERT_TRUE(rig.journal.recordRead({"COM1", kAddress, 9600}, kOk, before).recorded);
  ASSERT_TRUE(rig.ready(client));

  const Answer answer =
      rig.command(client, "regulated_value", R"({"value": 155.5, "id": "cmd-1"})", "cmd-1");
  EXPECT_EQ(answer.code, kOk) << answer.text;
  EXPECT_EQ(answer.name, "regulated_value");
  EXPECT_EQ(answer.readBack, 155.5);
  EXPECT_EQ(rig.regulatedValue(), 155.5f);
  EXPECT_EQ(*rig.simulator.instrument(1).floatParameter(2, 29), 150.0f) << "only address 2";
  EXPECT_EQ(rig.link.parameters().networkAddress, 1u) << "the link is back at its own";
  EXPECT_EQ(rig.writesReceived(), 1u);

  JournalQuery instrument;
  instrument.serialNumber = 12346;
  const std::vector<JournalEntry> entries = rig.journal.entries(instrument);
  ASSERT_EQ(entries.size(), 2u);
  const JournalEntry& set = entries[0];
  EXPECT_EQ(set.action, JournalAction::Set);
  EXPECT_EQ(set.result, kOk);
  EXPECT_EQ(set.source, "mqtt");
  EXPECT_EQ(set.commandId, "cmd-1");
  EXPECT_EQ(set.link.networkAddress, kAddress);
  EXPECT_EQ(set.parameter, (SetParameter{2, 29, ValueKind::Float, 155.5}));
  EXPECT_EQ(rig.journal.readBeforeNewestWrite(12346), entries[1]);

  // The setting as read back, for a dashboard's number.
  EXPECT_TRUE(rig.serveUntil(client, kEventWait, [&] {
    for (const BrokerMessage& message : client.heard()) {
      if (message.topic == kRoot + "/setting/regulated_value" && message.payload == "155.5") {
        return message.retain;
      }
    }
    return false;
  }));
}

// Nothing reaches the instrument of a command that is retained, malformed, of a setting not
// allowed, or of a value the window's checks would refuse or clamp; each but the retained one is
// answered with why.
TEST(ThroughBroker, CommandsRefusedBeforeTheLineAreAnsweredAndWriteNothing) {
  ScratchFolder folder;
  LocalBroker localBroker(folder.path());
  CommandRig rig(localBroker, folder);
  CommandClient client(localBroker, "dashboard");
  ASSERT_TRUE(rig.ready(client));
  const std::size_t journalled = rig.journal.entries().size();

  // A retained command is not even answered: the next one on its topic is answered first.
  client.send(kRoot + "/set/regulated_value", R"({"value":160,"id":"kept"})", true);
  const Answer next = rig.command(client, "regulated_value", R"({"value":"160","id":"n"})", "n");
  EXPECT_EQ(next.code, kCommandMalformed);
  for (const BrokerMessage& message : client.heard()) {
    EXPECT_EQ(AnswerOf(message.payload).id == "kept", false) << message.payload;
  }

  struct Refused {
    std::string name;
    std::string payload;
    std::string id;
    int code;
    std::string text;  // how the answer's text starts
  };
  const std::vector<Refused> refused{
      {"regulated_value", "abc", "", kCommandMalformed, "not a number"},
      {"regulated_value", "1e39", "", kCommandMalformed, "the instrument's float cannot hold it"},
      {"regulated_value", R"({"value":1,"id":5})", "", kCommandMalformed, "\"id\" is not a text"},
      {"proportional", R"({"value":12,"id":"p"})", "p", kCommandNotAllowed,
       "proportional is not among"},
      {"regulated_value", R"({"value":10000,"id":"c1"})", "c1", kStoppedToCorrect,
       "Слишком большая величина уставки она будет ограничена величиной 9999"},
      {"zone", R"({"value":-1,"id":"c2"})", "c2", kStoppedToCorrect,
       "Задана отрицательная зона ПИД управления"},
      {"zone", R"({"value":50000,"id":"c3"})", "c3", kStoppedToCorrect,
       "zone must be within 0.0000..9999.0000"},
      // The channel's range maximum is 1300 on the instrument.
      {"alarm_hysteresis", R"({"value":1400,"id":"c4"})", "c4", kStoppedToCorrect,
       "Задан гистерезис 1 превышающий максимум"},
  };
  for (const Refused& command : refused) {
    const Answer answer = rig.command(client, command.name, command.payload, command.id);
    EXPECT_EQ(answer.code, command.code) << command.payload << ": " << answer.text;
    EXPECT_EQ(answer.text.rfind(command.text, 0), 0u) << answer.text;
  }
  EXPECT_EQ(rig.writesReceived(), 0u);
  EXPECT_EQ(rig.regulatedValue(), 150.0f);
  EXPECT_EQ(rig.journal.entries().size(), journalled);

  // A publisher started again does not get the command the broker kept.
  rig.startPublisher();
  ASSERT_TRUE(rig.ready(client));
  EXPECT_EQ(rig.writesReceived(), 0u);
}

// What protects the instrument's memory from a flood of good commands: an id answered once, a
// setting written once per interval, and the day's writes, counted across a restart.
TEST(ThroughBroker, DuplicatesRateAndTheDaysBudgetLimitTheWrites) {
  ScratchFolder folder;
  LocalBroker localBroker(folder.path());
  CommandRig rig(localBroker, folder, Allowing({"regulated_value", "zone"}, 3));
  CommandClient client(localBroker, "dashboard");
  ASSERT_TRUE(rig.ready(client));
  const auto set = [&](const std::string& name, int value, const std::string& id) {
    return rig.command(client, name,
                       R"({"value":)" + std::to_string(value) + R"(,"id":")" + id + R"("})", id);
  };

  EXPECT_EQ(set("regulated_value", 151, "a").code, kOk);
  EXPECT_EQ(set("regulated_value", 151, "a").code, kCommandDuplicate) << "QoS 1 sent it twice";
  EXPECT_EQ(set("regulated_value", 152, "b").code, kCommandTooSoon);
  EXPECT_EQ(set("zone", 15, "c").code, kOk) << "another setting has its own interval";
  rig.simulator.clock().advance(5s);
  EXPECT_EQ(set("regulated_value", 153, "d").code, kOk);
  rig.simulator.clock().advance(5s);
  const Answer spent = set("regulated_value", 154, "e");
  EXPECT_EQ(spent.code, kCommandOverBudget) << spent.text;
  EXPECT_EQ(rig.writesReceived(), 3u);
  EXPECT_EQ(rig.regulatedValue(), 153.0f);

  // The count is the working folder's, not the run's.
  rig.startPublisher();
  ASSERT_TRUE(rig.ready(client));
  EXPECT_EQ(set("regulated_value", 155, "f").code, kCommandOverBudget);
  EXPECT_EQ(rig.writesReceived(), 3u);
}

// The broker decides who may command: a user its ACL does not let write set/# changes nothing,
// one it lets does.
TEST(ThroughBroker, OnlyUsersTheAclLetsWriteCommandsReachTheInstrument) {
  ScratchFolder folder;
  const std::filesystem::path passwords = folder / "passwords";
  for (const auto& [user, password] :
       {std::pair{"line1", "pw-line1"}, std::pair{"viewer", "pw-viewer"},
        std::pair{"operator", "pw-operator"}}) {
    std::vector<std::string> arguments{"-b", passwords.string(), user, password};
    if (std::string(user) == "line1") arguments.insert(arguments.begin(), "-c");
    testing::ChildProcess hashing("/usr/bin/mosquitto_passwd", arguments);
    ASSERT_EQ(hashing.waitForExit(kEventWait), 0);
  }
  // The recipe of README.md: a user per line, which publishes its topics and reads its commands.
  std::ofstream(folder / "acl") << "user line1\n"
                                << "topic write zorkan/#\n"
                                << "topic read zorkan/+/set/+\n"
                                << "user viewer\n"
                                << "topic read zorkan/#\n"
                                << "topic readwrite test/#\n"  // the test clients' own
                                << "user operator\n"
                                << "topic read zorkan/#\n"
                                << "topic write zorkan/+/set/#\n"
                                << "topic readwrite test/#\n";
  for (const char* file : {"passwords", "acl"}) {
    std::filesystem::permissions(folder / file, std::filesystem::perms::others_read,
                                 std::filesystem::perm_options::add);
  }
  LocalBroker localBroker(folder.path(), "allow_anonymous false\npassword_file " +
                                             passwords.string() + "\nacl_file " +
                                             (folder / "acl").string() + "\n");
  CommandRig rig(localBroker, folder, Allowing({"regulated_value"}), {"line1", "pw-line1"});
  CommandClient viewer(localBroker, "viewer", {"viewer", "pw-viewer"});
  CommandClient controlRoom(localBroker, "operator", {"operator", "pw-operator"});
  ASSERT_TRUE(rig.ready(controlRoom));

  viewer.send(kRoot + "/set/regulated_value", R"({"value":170,"id":"viewer"})");
  const Answer answer =
      rig.command(controlRoom, "regulated_value", R"({"value":165,"id":"operator"})", "operator");
  EXPECT_EQ(answer.code, kOk) << answer.text;
  for (const BrokerMessage& message : controlRoom.heard()) {
    EXPECT_NE(AnswerOf(message.payload).id, "viewer");
  }
  EXPECT_EQ(rig.regulatedValue(), 165.0f);
  EXPECT_EQ(rig.writesReceived(), 1u);
}

// Home Assistant is told of every instrument once per connection, and again each time it says it
// has started; never with the polls.
TEST(ThroughBroker, DiscoveryIsAnnouncedOnceAndAgainWhenHomeAssistantStarts) {
  ScratchFolder folder;
  LocalBroker localBroker(folder.path());
  PublishOptions options = Allowing({"regulated_value"});
  options.discoveryPrefix = "homeassistant";
  CommandRig rig(localBroker, folder, options);
  CommandClient homeAssistant(localBroker, "home-assistant", {},
                              {"zorkan/+/result", "zorkan/+/json", "homeassistant/+/+/+/config"});
  ASSERT_TRUE(rig.ready(homeAssistant));
  const auto count = [&](std::string_view ending) {
    std::size_t found = 0;
    for (const BrokerMessage& message : homeAssistant.heard()) {
      if (message.topic.ends_with(ending)) ++found;
    }
    return found;
  };
  // The messages of one connection come in the order sent: its JSON after a poll follows
  // whatever it announced before.
  const auto pollRoundsSeen = [&](int rounds) {
    const std::size_t seen = count("/json");
    for (int round = 0; round < rounds; ++round) rig.publisher->pollRound([] { return false; });
    return rig.serveUntil(homeAssistant, kEventWait,
                          [&] { return count("/json") >= seen + 2u * rounds; });
  };
  ASSERT_TRUE(pollRoundsSeen(3));
  // Ten entities of its values and one number each.
  const std::size_t announced = count("/config");
  EXPECT_EQ(announced, 2u * 11u);

  homeAssistant.send("homeassistant/status", "online", true);
  ASSERT_TRUE(pollRoundsSeen(1));
  EXPECT_EQ(count("/config"), announced) << "a start the broker kept is an old one";
  homeAssistant.send("homeassistant/status", "online");
  ASSERT_TRUE(
      rig.serveUntil(homeAssistant, kEventWait, [&] { return count("/config") >= 2 * announced; }));
  ASSERT_TRUE(pollRoundsSeen(2));
  EXPECT_EQ(count("/config"), 2 * announced);
}

}  // namespace
}  // namespace zorkan
