// A late answer anywhere in a whole-device read: the read either gives exactly the values of a
// clean read or fails with a code, and never puts one parameter's answer on another.
#include <gtest/gtest.h>

#include "sim/request_parser.h"
#include "tests/profiles/profile_helpers.h"
#include "tests/support/settings_rig.h"

namespace zorkan {
namespace {

using testing::SettingsRig;

struct Target {
  int space;
  unsigned number;
};

// The parameters a whole read asks for, in order, from the frames of a clean read.
std::vector<Target> ReadTargets(const std::vector<std::string>& frames) {
  std::vector<Target> targets;
  for (const std::string& frame : frames) {
    const std::size_t start = frame.rfind(':') + 1;
    const sim::ParsedRequest parsed =
        sim::ParseRequest(frame.substr(start, frame.size() - start - 1));
    targets.push_back({parsed.request.space, parsed.request.number});
  }
  return targets;
}

DeviceSettings CleanRead() {
  SettingsRig rig;
  EXPECT_EQ(readAllSettings(rig.transfer), kOk);
  return rig.settings;
}

void ExpectEveryPositionReadsRightOrFails(const sim::Fault& fault) {
  const DeviceSettings clean = CleanRead();
  SettingsRig probe;
  ASSERT_EQ(readAllSettings(probe.transfer), kOk);
  for (const Target& target : ReadTargets(probe.simulator.receivedFrames())) {
    SCOPED_TRACE(std::to_string(target.space) + ":" + std::to_string(target.number));
    SettingsRig rig;
    sim::Fault atTarget = fault;
    atTarget.space = target.space;
    atTarget.number = target.number;
    rig.simulator.addFault(atTarget);
    if (readAllSettings(rig.transfer) == kOk) {
      EXPECT_EQ(rig.settings, clean);
    }
  }
}

TEST(OwedAnswers, LateAnswerAnywhereInAReadIsNeverTakenForAnother) {
  ExpectEveryPositionReadsRightOrFails({.kind = sim::FaultKind::Late, .amount = 1500, .times = 1});
  ExpectEveryPositionReadsRightOrFails({.kind = sim::FaultKind::Late, .amount = 3000, .times = 1});
}

TEST(OwedAnswers, NoiseBurstAfterAnAnswerAnywhereInAReadIsNeverTakenForAnother) {
  ExpectEveryPositionReadsRightOrFails(
      {.kind = sim::FaultKind::NoiseAfter, .amount = 300, .times = 1});
}

// Across processes: a late answer to the last request of one run must not meet the next run's
// first request.
TEST(OwedAnswers, ClosingThePortWaitsOutTheAnswerStillOwed) {
  SettingsRig rig;
  rig.simulator.setByteParameter(2, 315, 9);
  rig.simulator.setByteParameter(2, 317, 4);
  rig.simulator.addFault(
      {.kind = sim::FaultKind::Late, .space = 2, .number = 315, .amount = 1500, .times = 2});
  // The second attempt takes the first one's late answer; the second answer is still on its way.
  std::int32_t value = 0;
  EXPECT_EQ(rig.link.ReadByteParam(2, 315, value), kOk);
  EXPECT_EQ(value, 9);
  rig.link.ClosePort();
  DeviceLink next(rig.simulator.port(), rig.simulator.clock(), ".");
  next.openPortAt("COM1", 9600);
  EXPECT_EQ(next.ReadByteParam(2, 317, value), kOk);
  EXPECT_EQ(value, 4);
}

}  // namespace
}  // namespace zorkan
