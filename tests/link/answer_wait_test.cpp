#include "link/answer_wait.h"

#include <gtest/gtest.h>

#include "sim/virtual_clock.h"
#include "tests/support/scripted_port.h"

namespace zorkan {
namespace {

using sim::VirtualClock;
using testing::ScheduledAnswer;
using testing::ScriptedPort;

constexpr int kReadTimeoutMs = 297;  // 33 character time-outs at 9600 baud

struct Wait {
  LinkError result;
  std::string answer;
  AnswerWait wait;
};

Wait Receive(ScriptedPort& port, VirtualClock& clock, std::uint32_t replyTimeoutMs = 1000) {
  Wait wait{};
  wait.result =
      ReceiveAnswer(port, clock, {kReadTimeoutMs, replyTimeoutMs}, wait.answer, wait.wait);
  return wait;
}

ScriptedPort SilentPort(VirtualClock& clock) {
  return ScriptedPort(clock, [](const std::string&) { return std::vector<ScheduledAnswer>{}; });
}

TEST(ReceiveAnswer, ShortReplyTimeoutStillWaitsOneSecond) {
  VirtualClock clock;
  ScriptedPort port = SilentPort(clock);
  const Wait wait = Receive(port, clock, 0);
  EXPECT_EQ(wait.result, kNoAnswer);
  EXPECT_EQ(wait.wait.elapsedMs, 4 * kReadTimeoutMs);  // the first read that ends past 1000 ms
  EXPECT_TRUE(wait.answer.empty());
}

TEST(ReceiveAnswer, LongReplyTimeoutIsHonoured) {
  VirtualClock clock;
  ScriptedPort port = SilentPort(clock);
  const Wait wait = Receive(port, clock, 3000);
  EXPECT_EQ(wait.result, kNoAnswer);
  EXPECT_EQ(wait.wait.elapsedMs, 11 * kReadTimeoutMs);
}

TEST(ReceiveAnswer, EndsAtCarriageReturnNotAtReadTimeout) {
  VirtualClock clock;
  ScriptedPort port = SilentPort(clock);
  port.schedule(45, "!1;0A;1\r");
  const Wait wait = Receive(port, clock);
  EXPECT_EQ(wait.result, kOk);
  EXPECT_EQ(wait.answer, "!1;0A;1\r");
  EXPECT_EQ(wait.wait.elapsedMs, 45);
}

TEST(ReceiveAnswer, AnswerInSeveralPiecesIsJoined) {
  VirtualClock clock;
  ScriptedPort port = SilentPort(clock);
  port.schedule(10, "!1;41CC");
  port.schedule(400, "0000;12585\r");  // after a whole read time-out without a carriage return
  const Wait wait = Receive(port, clock);
  EXPECT_EQ(wait.result, kOk);
  EXPECT_EQ(wait.answer, "!1;41CC0000;12585\r");
}

TEST(ReceiveAnswer, BytesAfterCarriageReturnStayForTheNextAnswer) {
  VirtualClock clock;
  ScriptedPort port = SilentPort(clock);
  port.schedule(5, "!1;01;1\r!1;02;2\r");
  EXPECT_EQ(Receive(port, clock).answer, "!1;01;1\r");
  EXPECT_EQ(Receive(port, clock).answer, "!1;02;2\r");
}

TEST(ReceiveAnswer, CarriageReturnAfterNulDoesNotComplete) {
  using namespace std::string_literals;
  VirtualClock clock;
  ScriptedPort port = SilentPort(clock);
  port.schedule(5, "!1;0\0A;1\r"s);
  EXPECT_EQ(Receive(port, clock).result, kNoAnswer);
}

TEST(ReceiveAnswer, MoreThan256BytesWithoutCarriageReturnAreTooMuch) {
  VirtualClock clock;
  ScriptedPort port = SilentPort(clock);
  port.schedule(5, std::string(300, 'x'));
  const Wait wait = Receive(port, clock);
  EXPECT_EQ(wait.result, kTooMuchData);
  EXPECT_EQ(wait.answer.size(), 288u);  // nine pieces of 32
}

TEST(ReceiveAnswer, StreamWithoutCarriageReturnEndsAtTheLimit) {
  VirtualClock clock;
  ScriptedPort port = SilentPort(clock);
  for (int at = 0; at < 2000; at += 200) port.schedule(at, "xx");
  EXPECT_EQ(Receive(port, clock).result, kNoAnswer);
}

TEST(ReceiveAnswer, WaitAcrossMidnightIsTimedByElapsedTime) {
  VirtualClock clock({2026, 12, 31, 23, 59, 59});
  ScriptedPort port = SilentPort(clock);
  port.schedule(2500, "!1;0A;1\r");
  const Wait wait = Receive(port, clock, 3000);
  EXPECT_EQ(wait.result, kOk);
  EXPECT_EQ(wait.wait.elapsedMs, 2500);
  EXPECT_EQ(wait.wait.start.hour, 23);
  EXPECT_EQ(wait.wait.end.hour, 0);
  EXPECT_EQ(wait.wait.end.year, 2027);
}

TEST(ReceiveAnswer, WaitAcrossTheHourDoesNotEndEarly) {
  VirtualClock clock({2026, 12, 7, 10, 59, 59});
  ScriptedPort port = SilentPort(clock);
  port.schedule(2500, "!1;0A;1\r");
  const Wait wait = Receive(port, clock, 3000);
  EXPECT_EQ(wait.result, kOk);
  EXPECT_EQ(wait.wait.end.hour, 11);
}

}  // namespace
}  // namespace zorkan
