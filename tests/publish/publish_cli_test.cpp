// zorkan-cli publish as a plant runs it: the simulator on a pty, a broker of the test's own on a
// loopback port, the publisher and mosquitto_sub as child processes, on real time.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "live/live_values.h"
#include "sim/simulator.h"
#include "tests/support/child_process.h"
#include "tests/support/live_block.h"
#include "tests/support/local_broker.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using namespace std::chrono_literals;
using testing::ChildProcess;
using testing::LocalBroker;
using testing::ScratchFolder;

constexpr auto kEventWait = 30s;
// A count of rounds that a test ends with SIGTERM once it has seen what it waits for: the status
// of a counted run is the same however it ends.
const std::string kRoundsUntilStopped = "1000000";
constexpr const char* kSubscriber = "/usr/bin/mosquitto_sub";
const std::string kOnline = "zorkan/12345/online";

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
  return parts;
}

class PublishCliTest : public ::testing::Test {
 protected:
  PublishCliTest() {
    simulator.overrideLiveBlock(
        testing::LiveBlockWith(kRelay2On, 25.5f, 0, kSetpoint1Reached, -3.25f, 12, kSensorBreak));
  }

  std::unique_ptr<ChildProcess> Run(const std::string& command, std::vector<std::string> options) {
    std::vector<std::string> arguments{command, "--device", simulator.devicePath(), "--timeout-s",
                                       "1"};
    if (command == "publish") {
      arguments.insert(arguments.end(), {"--broker", broker->address(), "--interval-ms", "20"});
    }
    arguments.insert(arguments.end(), options.begin(), options.end());
    return std::make_unique<ChildProcess>(ZORKAN_CLI_EXECUTABLE, arguments, folder.path().string());
  }

  std::unique_ptr<ChildProcess> Subscribe(const std::string& topic,
                                          std::vector<std::string> options = {}) {
    std::vector<std::string> arguments{"-h", "127.0.0.1", "-p", std::to_string(broker->port()),
                                       "-v", "-t",        topic};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return std::make_unique<ChildProcess>(kSubscriber, arguments);
  }

  // Reads the subscriber's lines until `line` comes.
  static bool Sees(ChildProcess& subscriber, const std::string& line) {
    const auto deadline = std::chrono::steady_clock::now() + kEventWait;
    while (std::chrono::steady_clock::now() < deadline) {
      const auto next = subscriber.readLine(1s);
      if (next == line) return true;
    }
    return false;
  }

  // Reads the subscriber's lines until each of `lines` has come, in any order.
  static bool SeesAll(ChildProcess& subscriber, std::set<std::string> lines) {
    const auto deadline = std::chrono::steady_clock::now() + kEventWait;
    while (!lines.empty() && std::chrono::steady_clock::now() < deadline) {
      if (const auto next = subscriber.readLine(1s)) lines.erase(*next);
    }
    return lines.empty();
  }

  // Reads the publisher's standard error until a line ends with `text`; the lines before it are
  // gone, those after it stay for errorOutput().
  static bool Says(ChildProcess& publisher, const std::string& text) {
    const auto deadline = std::chrono::steady_clock::now() + kEventWait;
    while (std::chrono::steady_clock::now() < deadline) {
      const auto next = publisher.readErrorLine(1s);
      if (next && next->ends_with(text)) return true;
    }
    return false;
  }

  // The broker replaced by one that lets in the user "plant" with `password` alone.
  void RequireLogin(const std::string& password) {
    ChildProcess hashing("/usr/bin/mosquitto_passwd",
                         {"-b", "-c", (folder / "passwords").string(), "plant", password});
    ASSERT_EQ(hashing.waitForExit(kEventWait), 0);
    std::filesystem::permissions(folder / "passwords", std::filesystem::perms::others_read,
                                 std::filesystem::perm_options::add);
    broker = nullptr;  // one broker at a time on this folder
    broker =
        std::make_unique<LocalBroker>(folder.path(), "allow_anonymous false\npassword_file " +
                                                         (folder / "passwords").string() + "\n");
  }

  // What the publisher's notes about the broker start with.
  std::string BrokerNote() const { return "zorkan/12345: " + broker->address() + ": "; }

  // What a dashboard subscribing now is sent for the topics of `wanted`: their last retained
  // messages, once each has come.
  std::map<std::string, std::string> Retained(const std::map<std::string, std::string>& wanted) {
    auto subscriber = Subscribe("zorkan/#", {"--retained-only"});
    std::map<std::string, std::string> retained;
    const auto deadline = std::chrono::steady_clock::now() + kEventWait;
    while (retained.size() < wanted.size() && std::chrono::steady_clock::now() < deadline) {
      const std::optional<std::string> line = subscriber->readLine(1s);
      if (!line) continue;
      const std::size_t blank = line->find(' ');
      const std::string topic = line->substr(0, blank);
      if (wanted.contains(topic)) retained[topic] = line->substr(blank + 1);
    }
    return retained;
  }

  ScratchFolder folder;
  // A line of eight; most tests poll the first alone.
  sim::Simulator simulator{{.networkAddress = 1,
                            .baudRate = 0,
                            .turnaroundMs = 0,
                            .moreAddresses = {2, 3, 4, 5, 6, 7, 8}}};
  std::unique_ptr<LocalBroker> broker = std::make_unique<LocalBroker>(folder.path());
};

TEST_F(PublishCliTest, PublishedValuesAreThoseLivePrints) {
  auto live = Run("live", {"--count", "1", "--stats"});
  ASSERT_EQ(live->waitForExit(kEventWait), 0);
  EXPECT_NE(live->errorOutput().find("1 polls, 1 answers, 0 time-outs, 0 garbled, 0 retries"),
            std::string::npos)
      << live->errorOutput();
  // time, relays, channel 1 value and status, channel 2 value and status
  const std::vector<std::string> printed = Split(Split(live->output(), '\n').at(0), '\t');
  ASSERT_EQ(printed.size(), 6u);
  const auto trimmed = [](std::string text) { return text.erase(0, text.find_first_not_of(' ')); };
  const auto hex = [](const std::string& text) { return std::to_string(std::stoi(text, 0, 16)); };

  // A stop once a round's values have come: the round in progress is published whole, and what
  // was taken reaches the broker before the end. (Online alone would not do: it comes at the end
  // of the round that found the connection up, whose values went before it and were dropped.)
  auto subscriber = Subscribe("zorkan/12345/#");
  auto publisher = Run("publish", {"--count", kRoundsUntilStopped});
  ASSERT_TRUE(Sees(*subscriber, "zorkan/12345/channel1/value " + trimmed(printed[2])));
  publisher->signal(SIGTERM);
  ASSERT_EQ(publisher->waitForExit(kEventWait), 0) << publisher->errorOutput();
  const int relays = std::stoi(printed[1], nullptr, 16);
  const std::map<std::string, std::string> expected{
      {"zorkan/12345/channel1/value", trimmed(printed[2])},
      {"zorkan/12345/channel1/status", hex(printed[3])},
      {"zorkan/12345/channel2/value", trimmed(printed[4])},
      {"zorkan/12345/channel2/status", hex(printed[5])},
      {"zorkan/12345/channel2/status_text", "Канал выключен"},
      {"zorkan/12345/relay1", std::to_string(relays & kRelay1On)},
      {"zorkan/12345/relay2", std::to_string((relays & kRelay2On) >> 1)},
      {"zorkan/12345/channel1/setpoint1", "1"},
      {"zorkan/12345/channel2/break", "1"},
      {kOnline, "offline"},  // a publisher that ended says so
  };
  EXPECT_EQ(Retained(expected), expected);
}

// Polling goes on while the broker is away, with what could not be sent dropped, not queued; the
// broker that comes back, having lost every retained message, is told them again.
// A round reads one block and takes 16 messages: this many rounds take 16 000 messages, which
// queued would hold over 1 MiB at even 64 bytes each.
constexpr std::size_t kRoundsMeasured = 1000;

TEST_F(PublishCliTest, BrokerRestartedMidRunGetsTheValuesAgainWithMemoryFlat) {
  // A sanitizer build holds freed memory in quarantine, which would read as growth; what is
  // measured is what the publisher keeps.
  const char* sanitizerOptions = std::getenv("ASAN_OPTIONS");
  const std::string kept = sanitizerOptions != nullptr ? sanitizerOptions : "";
  ::setenv("ASAN_OPTIONS", (kept + ":quarantine_size_mb=0").c_str(), 1);
  auto publisher = Run("publish", {"--interval-ms", "0"});
  ::setenv("ASAN_OPTIONS", kept.c_str(), 1);
  ASSERT_TRUE(Sees(*Subscribe(kOnline), kOnline + " online"));
  // Rounds enough to fill the allocator's pools.
  simulator.clearReceivedFrames();
  ASSERT_TRUE(simulator.waitForReceivedFrames(kRoundsMeasured, kEventWait));
  const std::string pid = std::to_string(publisher->pid());
  const long before = testing::ResidentKiB(pid);

  broker->stop();
  simulator.clearReceivedFrames();
  EXPECT_TRUE(simulator.waitForReceivedFrames(kRoundsMeasured, kEventWait))
      << "polling stopped with the broker";
  const long away = testing::ResidentKiB(pid);

  broker->start();
  auto subscriber = Subscribe("zorkan/12345/#");
  EXPECT_TRUE(Sees(*subscriber, kOnline + " online"));
  EXPECT_TRUE(Sees(*subscriber, "zorkan/12345/channel1/value 25.5000"));
  EXPECT_LT(away - before, 1024) << "KiB more while the broker was away";

  publisher->signal(SIGTERM);
  EXPECT_EQ(publisher->waitForExit(kEventWait), 0);
  EXPECT_EQ(publisher->errorOutput().find("dropped 0"), std::string::npos)
      << publisher->errorOutput();
}

TEST_F(PublishCliTest, KilledPublisherLeavesItsInstrumentOfflineThroughTheWill) {
  auto subscriber = Subscribe(kOnline);
  auto publisher = Run("publish", {});
  ASSERT_TRUE(Sees(*subscriber, kOnline + " online"));
  publisher->signal(SIGKILL);
  EXPECT_TRUE(Sees(*subscriber, kOnline + " offline"));
}

TEST_F(PublishCliTest, PasswordNeverAppearsOnTheCommandLine) {
  const std::string password = "pass-7b1c9e";
  RequireLogin(password);
  std::ofstream(folder / "login") << "plant\n" << password << "\n";

  auto missing = Run("publish", {"--password-file", (folder / "none").string()});
  EXPECT_EQ(missing->waitForExit(kEventWait), 14);
  EXPECT_NE(missing->errorOutput().find((folder / "none").string() + ": "), std::string::npos);

  auto publisher = Run("publish", {"--password-file", (folder / "login").string()});
  auto subscriber = Subscribe(kOnline, {"-u", "plant", "-P", password});
  ASSERT_TRUE(Sees(*subscriber, kOnline + " online")) << publisher->errorOutput();
  std::ifstream cmdline("/proc/" + std::to_string(publisher->pid()) + "/cmdline");
  const std::string arguments(std::istreambuf_iterator<char>(cmdline), {});
  EXPECT_NE(arguments.find("login"), std::string::npos);
  EXPECT_EQ(arguments.find(password), std::string::npos);
}

// The broker's refusal is said in its own words, and a counted run that got nothing through says
// so by its status. A login file other users can read is used, and warned of once.
TEST_F(PublishCliTest, RefusedLoginIsNamedAndACountedRunThatDeliveredNothingFails) {
  using std::filesystem::perms;
  const std::string password = "pass-51d0aa";
  RequireLogin(password);
  std::ofstream(folder / "guess") << "plant\nguess\n";
  std::filesystem::permissions(folder / "guess", perms::owner_read | perms::owner_write);
  const std::string warning = "other users of this machine can read the password";

  auto refused = Run(
      "publish", {"--count", kRoundsUntilStopped, "--password-file", (folder / "guess").string()});
  EXPECT_TRUE(
      Says(*refused, BrokerNote() + "the broker refused the login as \"plant\": not authorised"));
  refused->signal(SIGTERM);
  EXPECT_EQ(refused->waitForExit(kEventWait), 31);
  const std::string said = refused->errorOutput();
  EXPECT_NE(said.find("zorkan/12345 at address 1: none of its messages reached the broker"),
            std::string::npos)
      << said;
  EXPECT_EQ(said.find(warning), std::string::npos) << said;

  std::ofstream(folder / "login") << "plant\n" << password << "\n";
  std::filesystem::permissions(folder / "login", perms::owner_read | perms::owner_write |
                                                     perms::group_read | perms::others_read);
  auto subscriber = Subscribe(kOnline, {"-u", "plant", "-P", password});
  auto publisher = Run(
      "publish", {"--count", kRoundsUntilStopped, "--password-file", (folder / "login").string()});
  EXPECT_TRUE(Sees(*subscriber, kOnline + " online"));
  publisher->signal(SIGTERM);
  EXPECT_EQ(publisher->waitForExit(kEventWait), 0) << "everything got through";
  const std::string warned = publisher->errorOutput();
  const std::size_t first = warned.find(warning);
  EXPECT_NE(first, std::string::npos) << warned;
  EXPECT_EQ(warned.find(warning, first + 1), std::string::npos) << warned;
}

// A broker that stops answering must not hold the stop up once per instrument: the whole line has
// one bound, well within the wait of a service manager (30 s), which would kill the publisher and
// leave its instruments to the late wills.
TEST_F(PublishCliTest, FrozenBrokerHoldsUpTheStopOfEightInstrumentsOnceNotOncePerInstrument) {
  auto subscriber = Subscribe("zorkan/+/online");
  auto publisher = Run("publish", {"--addresses", "1-8"});
  std::set<std::string> online;
  for (int serial = 12345; serial < 12345 + 8; ++serial) {
    online.insert("zorkan/" + std::to_string(serial) + "/online online");
  }
  ASSERT_TRUE(SeesAll(*subscriber, online));

  broker->freeze();
  const auto stopped = std::chrono::steady_clock::now();
  publisher->signal(SIGTERM);
  const auto status = publisher->waitForExit(kEventWait);
  const auto took = std::chrono::steady_clock::now() - stopped;
  broker->thaw();
  EXPECT_EQ(status, 0);
  // Two seconds for the last acknowledgements, then the disconnects: some 2.2 s.
  EXPECT_LT(took, 5s) << std::chrono::duration_cast<std::chrono::milliseconds>(took).count()
                      << " ms";
}

// Every topic and client id starts with the prefix: one that no broker takes is refused before the
// port is opened, and so before any connection.
TEST_F(PublishCliTest, PrefixNoBrokerTakesIsRefusedBeforeAnythingIsSent) {
  for (const std::string& prefix :
       {std::string(70000, 'a'), std::string("\xff\xfe"), std::string("z\001ctl")}) {
    auto publisher = Run("publish", {"--topic", prefix});
    EXPECT_EQ(publisher->waitForExit(kEventWait), 64);
    EXPECT_EQ(publisher->errorOutput().rfind("zorkan-cli: --topic ", 0), 0u);
  }
  EXPECT_TRUE(simulator.receivedFrames().empty());
}

// The broker's certificate is checked against the CA file given: the right one gets the values
// through; a stranger's, or a CA file for a plain listener, gets nothing through, each said in
// words that tell what to mend; a CA file that is no certificate stops publish at the start.
TEST_F(PublishCliTest, TlsReachesOnlyTheBrokerItsCaVouchesForAndNamesWhyNot) {
  const auto openssl = [&](std::vector<std::string> arguments) {
    ChildProcess child("/usr/bin/openssl", arguments, folder.path().string());
    return child.waitForExit(kEventWait) == 0;
  };
  // Elliptic-curve keys: made at once, where an RSA key takes a good part of a second.
  const auto request = [&](std::vector<std::string> arguments) {
    arguments.insert(arguments.end(), {"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256"});
    return openssl(arguments);
  };
  for (const char* ca : {"ca", "other-ca"}) {
    ASSERT_TRUE(request({"req", "-x509", "-nodes", "-days", "1", "-subj", std::string("/CN=") + ca,
                         "-keyout", std::string(ca) + ".key", "-out", std::string(ca) + ".pem"}));
  }
  ASSERT_TRUE(request(
      {"req", "-nodes", "-subj", "/CN=127.0.0.1", "-keyout", "server.key", "-out", "server.csr"}));
  std::ofstream(folder / "names") << "subjectAltName=IP:127.0.0.1\n";
  ASSERT_TRUE(openssl({"x509", "-req", "-days", "1", "-in", "server.csr", "-CA", "ca.pem", "-CAkey",
                       "ca.key", "-CAcreateserial", "-extfile", "names", "-out", "server.pem"}));
  for (const char* file : {"ca.pem", "server.pem", "server.key"}) {
    std::filesystem::permissions(folder / file, std::filesystem::perms::others_read,
                                 std::filesystem::perm_options::add);
  }
  const std::string ca = (folder / "ca.pem").string();

  auto notCertificate = Run("publish", {"--cafile", (folder / "names").string()});
  EXPECT_EQ(notCertificate->waitForExit(kEventWait), 14);
  EXPECT_NE(notCertificate->errorOutput().find("names: is not a PEM certificate"),
            std::string::npos);

  auto plainListener = Run("publish", {"--count", kRoundsUntilStopped, "--cafile", ca});
  EXPECT_TRUE(Says(*plainListener, BrokerNote() +
                                       "the broker closed the connection during the TLS "
                                       "handshake: is port " +
                                       std::to_string(broker->port()) + " a TLS listener?"));
  plainListener->signal(SIGTERM);
  EXPECT_EQ(plainListener->waitForExit(kEventWait), 31);

  broker = nullptr;
  broker = std::make_unique<LocalBroker>(folder.path(),
                                         "allow_anonymous true\ncafile " + ca + "\ncertfile " +
                                             (folder / "server.pem").string() + "\nkeyfile " +
                                             (folder / "server.key").string() + "\n");
  const std::string otherCa = (folder / "other-ca.pem").string();
  auto stranger = Run("publish", {"--count", kRoundsUntilStopped, "--cafile", otherCa});
  EXPECT_TRUE(Says(*stranger, BrokerNote() +
                                  "the broker's certificate was not trusted: self-signed "
                                  "certificate in certificate chain (CA file " +
                                  otherCa + ")"));
  stranger->signal(SIGTERM);
  EXPECT_EQ(stranger->waitForExit(kEventWait), 31);

  auto subscriber = Subscribe(kOnline, {"--cafile", ca});
  auto publisher = Run("publish", {"--count", kRoundsUntilStopped, "--cafile", ca});
  EXPECT_TRUE(Sees(*subscriber, kOnline + " online")) << publisher->errorOutput();
  publisher->signal(SIGTERM);
  EXPECT_EQ(publisher->waitForExit(kEventWait), 0) << "everything got through";
  EXPECT_TRUE(Sees(*subscriber, kOnline + " offline"));
}

// A stop that comes while a command is being written lets the write and its read-back end: the
// instrument holds the value asked, never a part of it, the command is answered, and the stop
// still ends within its bound.
TEST_F(PublishCliTest, TermInTheMiddleOfACommandLetsItsWriteEndAndAnswersIt) {
  const std::string results = "zorkan/12345/result";
  auto subscriber = Subscribe(results);
  auto publisher = Run("publish", {"--allow-set", "regulated_value"});
  const auto command = [&](const std::string& name, const std::string& payload) {
    ChildProcess send("/usr/bin/mosquitto_pub",
                      {"-h", "127.0.0.1", "-p", std::to_string(broker->port()), "-q", "1", "-t",
                       "zorkan/12345/set/" + name, "-m", payload});
    return send.waitForExit(kEventWait) == 0;
  };
  // Answered once the publisher has its subscription.
  bool taken = false;
  for (auto deadline = std::chrono::steady_clock::now() + kEventWait;
       !taken && std::chrono::steady_clock::now() < deadline;) {
    ASSERT_TRUE(command("probe", "1"));
    const auto line = subscriber->readLine(300ms);
    taken = line && line->starts_with(results + " ");
  }
  ASSERT_TRUE(taken) << publisher->errorOutput();

  // The write's answer comes late, and the stop comes meanwhile.
  simulator.clearReceivedFrames();
  simulator.addFault(
      {.kind = sim::FaultKind::Late, .space = 2, .number = 29, .amount = 700, .times = 1});
  ASSERT_TRUE(command("regulated_value", R"({"value":155.5,"id":"t1"})"));
  const auto written = [&] {
    for (const std::string& frame : simulator.receivedFrames()) {
      if (frame.find(":1;38;") != std::string::npos) return true;
    }
    return false;
  };
  for (auto deadline = std::chrono::steady_clock::now() + kEventWait;
       !written() && std::chrono::steady_clock::now() < deadline;) {
    simulator.waitForReceivedFrames(simulator.receivedFrames().size() + 1, 100ms);
  }
  ASSERT_TRUE(written());
  const auto stopped = std::chrono::steady_clock::now();
  publisher->signal(SIGTERM);
  EXPECT_TRUE(
      Sees(*subscriber, results + R"( {"id":"t1","name":"regulated_value","value":155.5,)"
                                  R"("readBack":155.5,"code":0,"text":"written and read back"})"));
  EXPECT_EQ(publisher->waitForExit(kEventWait), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - stopped, 5s);
  EXPECT_EQ(simulator.floatParameter(2, 29), 155.5f);
}

}  // namespace
}  // namespace zorkan
