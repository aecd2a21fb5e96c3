// Transactions against a scripted instrument on virtual time: attempt loops, verified writes,
// the exchange log and the handling of late answers, without waiting in real time.
#include <gtest/gtest.h>

#include "link/device_link.h"
#include "link/link_settings.h"
#include "sim/virtual_clock.h"
#include "tests/support/answers.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scripted_port.h"

namespace zorkan {
namespace {

using sim::VirtualClock;
using testing::ByteAnswer;
using testing::FloatAnswer;
using testing::ReadBytes;
using testing::ScheduledAnswer;
using testing::ScratchFolder;
using testing::ScriptedPort;
using testing::StatusAnswer;

constexpr std::int64_t kTurnaroundMs = 45;

// A link over a scripted port whose instrument answers every request through `respond`.
class TransactionTest : public ::testing::Test {
 protected:
  void SetUpLink(int attempts) {
    LinkParameters parameters;
    parameters.attemptCount = attempts;
    parameters.exchangeLogPath = logPath();
    link.setParameters(parameters);
  }
  void SetUp() override { SetUpLink(2); }

  std::filesystem::path logPath() const { return folder / "COM.txt"; }
  int logEntries() const {
    const std::string log = ReadBytes(logPath());
    int entries = 0;
    for (std::size_t at = log.find("Wait for answ"); at != std::string::npos;
         at = log.find("Wait for answ", at + 1)) {
      ++entries;
    }
    return entries;
  }

  std::function<std::vector<ScheduledAnswer>(const std::string&)> respond = [](const std::string&) {
    return std::vector<ScheduledAnswer>{};
  };
  VirtualClock clock;
  ScriptedPort port{clock, [this](const std::string& request) { return respond(request); }};
  ScratchFolder folder;
  DeviceLink link{port, clock, folder.path()};
};

std::vector<ScheduledAnswer> At(std::int64_t delayMs, std::string bytes) {
  return {ScheduledAnswer{delayMs, std::move(bytes)}};
}

bool IsWrite(const std::string& request) {
  return request.find(";38;") != std::string::npos;
}

TEST_F(TransactionTest, ReadByteDeliversTheValue) {
  respond = [](const std::string&) { return At(kTurnaroundMs, ByteAnswer(0x95)); };
  std::int32_t value = -1;
  EXPECT_EQ(link.ReadByteParam(2, 6, value), kOk);
  EXPECT_EQ(value, 149);  // not a negative char
  ASSERT_EQ(port.requests.size(), 1u);
  EXPECT_EQ(port.requests[0], CompleteFrame(":1;37;000006;"));
}

TEST_F(TransactionTest, NoInstrumentGivesNoAnswerAfterEveryAttempt) {
  SetUpLink(3);
  std::int32_t value = 7;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
  EXPECT_EQ(value, 7);
  EXPECT_EQ(port.requests.size(), 3u);
  EXPECT_EQ(logEntries(), 3);
  EXPECT_EQ(clock.monotonicMs(), 3 * 4 * 297);  // three wait limits, each ended by a read
}

TEST_F(TransactionTest, RejectedWriteIsSentEveryAttempt) {
  SetUpLink(3);
  respond = [](const std::string&) { return At(kTurnaroundMs, StatusAnswer("0003")); };
  EXPECT_EQ(link.WriteByteParam(2, 4, 1), kParameterNotFound);
  EXPECT_EQ(port.requests.size(), 3u);
}

TEST_F(TransactionTest, SecondAttemptSucceedsAfterMisshapenAnswer) {
  int calls = 0;
  respond = [&](const std::string&) {
    return At(kTurnaroundMs, ++calls == 1 ? std::string("!1;zz;1\r") : ByteAnswer(5));
  };
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kOk);
  EXPECT_EQ(value, 5);
  EXPECT_EQ(logEntries(), 2);
}

TEST_F(TransactionTest, LastAttemptsCodeIsReturned) {
  int calls = 0;
  respond = [&](const std::string&) {
    return ++calls == 1 ? At(kTurnaroundMs, StatusAnswer("0003")) : std::vector<ScheduledAnswer>{};
  };
  EXPECT_EQ(link.WriteFloatParam(2, 29, 1.0f), kNoAnswer);
}

TEST_F(TransactionTest, ByteAbove255IsSentAs255AndNeverVerifies) {
  SetUpLink(3);
  std::uint8_t stored = 0;
  respond = [&](const std::string& request) {
    if (IsWrite(request)) {
      stored = static_cast<std::uint8_t>(std::stoul(request.substr(17, 2), nullptr, 16));
      return At(kTurnaroundMs, StatusAnswer("0000"));
    }
    return At(kTurnaroundMs, ByteAnswer(stored));
  };
  EXPECT_EQ(link.WriteByteParamVerified(2, 317, 300), kReadBackMismatch);
  EXPECT_EQ(stored, 255);
  ASSERT_EQ(port.requests.size(), 6u);  // three writes, each read back
  EXPECT_EQ(port.requests[0], CompleteFrame(":1;38;00013D;FF;"));
}

TEST_F(TransactionTest, VerifiedByteWriteReadsBackOnce) {
  respond = [](const std::string& request) {
    return At(kTurnaroundMs, IsWrite(request) ? StatusAnswer("0000") : ByteAnswer(17));
  };
  EXPECT_EQ(link.WriteByteParamVerified(2, 315, 17), kOk);
  EXPECT_EQ(port.requests.size(), 2u);
}

TEST_F(TransactionTest, FloatReadBackWithinHundredthIsAccepted) {
  float readBack = 1.005f;
  respond = [&](const std::string& request) {
    return At(kTurnaroundMs, IsWrite(request) ? StatusAnswer("0000") : FloatAnswer(readBack));
  };
  EXPECT_EQ(link.WriteFloatParamVerified(2, 29, 1.0f), kOk);
  EXPECT_EQ(port.requests.size(), 2u);  // written and read back once
  readBack = 1.02f;
  EXPECT_EQ(link.WriteFloatParamVerified(2, 29, 1.0f), kReadBackMismatch);
  EXPECT_EQ(port.requests.size(), 6u);  // and then twice, once per attempt
  readBack = 100.005f;
  EXPECT_EQ(link.WriteFloatParamVerified(2, 29, 100.0f), kOk);
}

TEST_F(TransactionTest, VerifiedWriteStopsAtFailedWrite) {
  EXPECT_EQ(link.WriteFloatParamVerified(2, 29, 1.0f), kNoAnswer);
  EXPECT_EQ(port.requests.size(), 2u);  // the write's attempts only, no read-back
}

TEST_F(TransactionTest, InvalidSpaceSendsNothingAndLogsNothing) {
  float value = 3;
  EXPECT_EQ(link.ReadFloatParam(3, 1, value), kAddressTooLarge);
  EXPECT_EQ(link.WriteByteParamVerified(0, 1, 1), kAddressTooLarge);
  EXPECT_EQ(value, 3);
  EXPECT_TRUE(port.requests.empty());
  EXPECT_FALSE(std::filesystem::exists(logPath()));
}

TEST_F(TransactionTest, DataBlockIsReadFromSpaceOne) {
  respond = [](const std::string&) {
    return At(kTurnaroundMs, testing::DataAnswer("000102030405060708090A0B0C0D0E0F"));
  };
  DataBlock block{};
  EXPECT_EQ(link.ReadDataBlock(2, block), kOk);
  EXPECT_EQ(block[15], 15);
  EXPECT_EQ(port.requests[0], CompleteFrame(":1;37;00E002;"));
}

TEST_F(TransactionTest, ExchangeLogEntryIsByteExact) {
  respond = [](const std::string&) { return At(900, ByteAnswer(10)); };
  std::int32_t value = 0;
  ASSERT_EQ(link.ReadByteParam(2, 3, value), kOk);
  const std::string answer = ByteAnswer(10);
  EXPECT_EQ(ReadBytes(logPath()),
            "________________________________________\n"
            "Send cmd at 10:00:00 :\xFF\xFF\xFF\xFF:1;37;000003;6380\r\n"
            "Answ at 10:00:00 :" +
                answer +
                "\n"
                "Wait for answ 900 ms\n");
}

TEST_F(TransactionTest, SilentAttemptIsLoggedWithEmptyAnswer) {
  SetUpLink(1);
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
  const std::string log = ReadBytes(logPath());
  EXPECT_NE(log.find("Answ at 10:00:01 :\n"), std::string::npos) << log;
  EXPECT_NE(log.find("Wait for answ 1188 ms\n"), std::string::npos) << log;
}

TEST_F(TransactionTest, UnwritableLogChangesNothing) {
  LinkParameters parameters;
  parameters.exchangeLogPath = folder / "missing" / "COM.txt";
  link.setParameters(parameters);
  respond = [](const std::string&) { return At(kTurnaroundMs, ByteAnswer(1)); };
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kOk);
  EXPECT_EQ(value, 1);
}

TEST_F(TransactionTest, NoLogPathWritesNoLog) {
  link.setParameters(LinkParameters{});
  respond = [](const std::string&) { return At(kTurnaroundMs, ByteAnswer(1)); };
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kOk);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

// The instrument answers the first request only after the first attempt gave up; the second
// attempt takes that answer, which is the right one.
TEST_F(TransactionTest, LateAnswerOfPreviousAttemptIsTaken) {
  int calls = 0;
  respond = [&](const std::string&) {
    return ++calls == 1 ? At(1500, ByteAnswer(0x21)) : std::vector<ScheduledAnswer>{};
  };
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kOk);
  EXPECT_EQ(value, 0x21);
  EXPECT_EQ(port.requests.size(), 2u);
}

// A late answer to a transaction that already failed must not become the next parameter's value.
TEST_F(TransactionTest, LateAnswerOfFailedTransactionIsNotTakenByTheNext) {
  std::vector<std::string> seen;
  respond = [&](const std::string& request) {
    seen.push_back(request);
    if (request.find("000003") != std::string::npos) return At(5000, ByteAnswer(0x33));
    return At(kTurnaroundMs, ByteAnswer(0x44));
  };
  std::int32_t first = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, first), kNoAnswer);
  // The operator reads the error box; both late answers arrive meanwhile.
  clock.advance(std::chrono::milliseconds(6000));
  std::int32_t second = 0;
  EXPECT_EQ(link.ReadByteParam(2, 4, second), kOk);
  EXPECT_EQ(second, 0x44);
}

// The instrument answers one request after the other: the second owed answer comes later than the
// first, and later than two wait limits after the request it answers.
TEST_F(TransactionTest, OwedAnswersThatKeepComingLateAreAllWaitedOut) {
  respond = [&](const std::string& request) {
    if (request.find("000003") != std::string::npos) return At(2500, ByteAnswer(0x33));
    return At(kTurnaroundMs, ByteAnswer(0x44));
  };
  std::int32_t first = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, first), kNoAnswer);
  std::int32_t second = 0;
  EXPECT_EQ(link.ReadByteParam(2, 4, second), kOk);
  EXPECT_EQ(second, 0x44);
}

TEST_F(TransactionTest, VanishedPortFailsAtOnceAndComesBackWithoutABox) {
  link.openPortAt("/dev/ttyUSB0", 9600);
  respond = [](const std::string&) { return At(kTurnaroundMs, ByteAnswer(0x66)); };
  std::int32_t value = 0;
  ASSERT_EQ(link.ReadByteParam(2, 3, value), kOk);

  port.present = false;  // unplugged
  const auto unplugged = clock.elapsed();
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
  const int opensWhileAway = port.openCount;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
  EXPECT_EQ(port.openCount, opensWhileAway + 1);  // one silent try per transaction
  // Neither waited for answers a dead line cannot give.
  EXPECT_LT(clock.elapsed() - unplugged, std::chrono::milliseconds(1000));

  port.present = true;  // plugged in again
  value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kOk);
  EXPECT_EQ(value, 0x66);
  EXPECT_EQ(port.openedPath, "/dev/ttyUSB0");
}

TEST_F(TransactionTest, RefusedOpenLeavesThePortClosedAndTransactionsFindNoAnswer) {
  port.openSucceeds = false;
  EXPECT_FALSE(link.openPortAt("/dev/nowhere", 9600));
  LinkSettings settings;
  EXPECT_EQ(link.OpenPort(settings), PortOpening::Refused);
  EXPECT_FALSE(link.isOpen());
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
}

TEST_F(TransactionTest, OpenDiscardsWhatArrivedBefore) {
  port.schedule(0, ByteAnswer(0x55));
  link.openPortAt("/dev/somewhere", 9600);
  EXPECT_EQ(port.openedBaudRate, 9600u);
  respond = [](const std::string&) { return At(kTurnaroundMs, ByteAnswer(0x66)); };
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kOk);
  EXPECT_EQ(value, 0x66);
}

TEST_F(TransactionTest, PortNumberOutsideOneToFourOpensNothingSilently) {
  LinkSettings settings;
  settings.portNumber = 0;
  EXPECT_EQ(link.OpenPort(settings), PortOpening::NoPortNumber);
  settings.portNumber = 5;
  EXPECT_EQ(link.OpenPort(settings), PortOpening::NoPortNumber);
  EXPECT_TRUE(port.openedPath.empty());
}

TEST_F(TransactionTest, PortNumberOpensComLinkOfWorkingFolder) {
  LinkSettings settings;
  settings.portNumber = 3;
  settings.baudRate = 19200;
  testing::WriteBytes(folder / "COM3", "");
  EXPECT_EQ(link.OpenPort(settings), PortOpening::Opened);
  EXPECT_EQ(port.openedPath, (folder / "COM3").string());
  EXPECT_EQ(port.openedBaudRate, 19200u);
}

}  // namespace
}  // namespace zorkan
