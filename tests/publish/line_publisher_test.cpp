// The publisher's logic against a fake broker, with the in-process instrument on virtual time.
#include "publish/line_publisher.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>
#include <vector>

#include "tests/support/live_block.h"
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

  std::unique_ptr<BrokerConnection> connect(const std::string& clientId,
                                            const BrokerMessage& will,
                                            Subscription subscription) override {
    clientIds.push_back(clientId);
    wills.push_back(will);
    subscriptions.push_back(std::move(subscription));
    return std::make_unique<Connection>(*this);
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
                        sim::SimulatorOptions line = {})
      : SettingsRig(line),
        publisher(link, broker, "plant/line1", addresses,
                  [this](const std::string& text) { notes.push_back(text); }) {}

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

}  // namespace
}  // namespace zorkan
