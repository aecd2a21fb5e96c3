// How the transfer sequences stop: on Escape exactly where the cancellation tests stand, and at the
// first failed transaction, leaving model and instrument with what was exchanged so far.
#include <gtest/gtest.h>

#include "tests/support/settings_rig.h"

namespace zorkan {
namespace {

using sim::Fault;
using sim::FaultKind;
using testing::SettingsRig;

// The simulator's initial channel 1 differs from a default model in these fields.
constexpr float kUnread = -12345.0f;

TEST(Cancellation, EscapeDuringThirdStepStopsAfterItsTransaction) {
  SettingsRig rig;
  ChannelSettings& channel = rig.settings.channels[0];
  channel.rangeMin = kUnread;
  channel.rootExtraction = 77;
  rig.panel.escapeAtStep = 3;
  rig.progress.ShowProgress();
  EXPECT_EQ(readChannel(rig.transfer, 0), kCancelledByOperator);
  EXPECT_EQ(rig.simulator.receivedFrames().size(), 3u);
  EXPECT_NE(channel.rangeMin, kUnread);  // step 3's read completed
  EXPECT_EQ(channel.rootExtraction, 77);
  EXPECT_FALSE(rig.panel.visible);
}

TEST(Cancellation, EscapeBeforeTheReadStopsItBeforeAnyTransaction) {
  SettingsRig rig;
  rig.latch.press();
  EXPECT_EQ(readAllSettings(rig.transfer), kCancelledByOperator);
  EXPECT_TRUE(rig.simulator.receivedFrames().empty());
}

TEST(Cancellation, EscapeInTheLastUntestedReadStepsStopsTheNextChannel) {
  SettingsRig rig;
  rig.panel.escapeAtStep = 17;
  EXPECT_EQ(readAllSettings(rig.transfer), kCancelledByOperator);
  EXPECT_EQ(rig.simulator.receivedFrames().size(), 22u);  // all of channel 1, none of channel 2
}

TEST(Cancellation, EscapeInAnUntestedWriteStepTakesEffectAtTheNextTest) {
  SettingsRig rig;
  rig.panel.escapeAtStep = 5;  // "Подстройка диапазона" is not followed by a test; step 6 is
  EXPECT_EQ(writeAllSettings(rig.transfer), kCancelledByOperator);
  EXPECT_EQ(rig.simulator.receivedFrames().size(), 12u);  // six verified writes
}

TEST(Cancellation, EscapeDuringChannel1PolynomialWriteStopsBeforeChannel2) {
  SettingsRig rig;
  rig.panel.escapeAtStep = 19;
  EXPECT_EQ(writeAllSettings(rig.transfer), kCancelledByOperator);
  EXPECT_EQ(rig.simulator.receivedFrames().size(), 48u);  // channel 1 written to the end
}

TEST(FailureMidway, SilentParameterStopsTheReadThere) {
  SettingsRig rig;
  ChannelSettings& channel = rig.settings.channels[0];
  channel.rangeMax = kUnread;
  channel.rangeMin = kUnread;
  channel.offset = kUnread;
  rig.simulator.addFault({.kind = FaultKind::Silence, .space = 2, .number = 13});
  EXPECT_EQ(readAllSettings(rig.transfer), kNoAnswer);
  EXPECT_NE(channel.rangeMax, kUnread);
  EXPECT_EQ(channel.rangeMin, kUnread);
  EXPECT_EQ(channel.offset, kUnread);
  EXPECT_FALSE(rig.panel.visible);
}

TEST(FailureMidway, RejectedSetpointLeavesItsTypeSwitchedOff) {
  SettingsRig rig;
  rig.settings.channels[0].setpointType1 = kSetpointRising;
  rig.simulator.setByteParameter(2, 327, kSetpointRising);
  rig.simulator.addFault({.kind = FaultKind::Status, .space = 2, .number = 29, .amount = 0x0006});
  EXPECT_EQ(writeAllSettings(rig.transfer), kOperandTooLarge);
  EXPECT_EQ(rig.simulator.byteParameter(2, 327), kSetpointOff);
  EXPECT_EQ(rig.simulator.floatParameter(2, 1), rig.settings.channels[0].offset);
  EXPECT_FALSE(rig.panel.visible);
}

TEST(FailureMidway, AlteredReadBackStopsTheWriteWithMismatch) {
  SettingsRig rig;
  rig.settings.channels[0].rangeMax = 321.0f;
  rig.settings.channels[0].rangeMin = -5.0f;
  rig.simulator.addFault({.kind = FaultKind::AlteredReadBack, .space = 2, .number = 15});
  EXPECT_EQ(writeAllSettings(rig.transfer), kReadBackMismatch);
  EXPECT_EQ(rig.simulator.floatParameter(2, 15), 322.0f);
  EXPECT_NE(rig.simulator.floatParameter(2, 13), -5.0f);
}

TEST(FailureMidway, YearKeptWhenItsReadFailsButDayAndMonthTaken) {
  SettingsRig rig;
  GeneralSettings& general = rig.settings.general;
  general.manufactureDay = 1;
  general.manufactureMonth = 1;
  general.manufactureYear = 1999;
  rig.simulator.setByteParameter(2, 17, 9);
  rig.simulator.setByteParameter(2, 18, 11);
  rig.simulator.addFault({.kind = FaultKind::Silence, .space = 2, .number = 19});
  EXPECT_EQ(readManufactureDate(rig.transfer), kNoAnswer);
  EXPECT_EQ(general.manufactureDay, 9);
  EXPECT_EQ(general.manufactureMonth, 11);
  EXPECT_EQ(general.manufactureYear, 1999);
}

TEST(FailureMidway, RegulatorReadFailingAtPulseKeepsBothPulses) {
  SettingsRig rig;
  auto& channels = rig.settings.channels;
  channels[0].regulationInterval = channels[1].regulationInterval = 99;
  channels[0].pulseInterval = channels[1].pulseInterval = 98;
  rig.simulator.setByteParameter(2, 337, 4);
  rig.simulator.setByteParameter(2, 338, 5);
  rig.simulator.addFault({.kind = FaultKind::Silence, .space = 2, .number = 339});
  EXPECT_EQ(readRegulator(rig.transfer), kNoAnswer);
  EXPECT_EQ(channels[0].regulationInterval, 4);
  EXPECT_EQ(channels[1].regulationInterval, 5);
  EXPECT_EQ(channels[0].pulseInterval, 98);
  EXPECT_EQ(channels[1].pulseInterval, 98);
}

TEST(FailureMidway, FailedRestartLeavesSettingsWritten) {
  SettingsRig rig;
  rig.settings.channels[0].setpoint1 = 77.0f;
  rig.simulator.addFault({.kind = FaultKind::Silence, .space = 1, .number = 0});
  EXPECT_EQ(writeAllSettings(rig.transfer), kNoAnswer);
  EXPECT_EQ(rig.simulator.floatParameter(2, 29), 77.0f);
  EXPECT_FALSE(rig.panel.visible);
}

TEST(GroupSwitches, UnselectedGroupsExchangeNothing) {
  SettingsRig rig;
  rig.settings.channels[0].selected = 0;
  rig.settings.relays.relaySelected = 0;
  EXPECT_EQ(readChannel(rig.transfer, 0), kOk);
  EXPECT_EQ(writeChannel(rig.transfer, 0), kOk);
  EXPECT_EQ(readRelayLogic(rig.transfer), kOk);
  EXPECT_EQ(writeRelayLogic(rig.transfer), kOk);
  EXPECT_TRUE(rig.simulator.receivedFrames().empty());
}

TEST(GroupSwitches, ChannelIndexBeyondTheSecondIsAnOperandError) {
  SettingsRig rig;
  EXPECT_EQ(readChannel(rig.transfer, 2), kOperandTooLarge);
  EXPECT_EQ(writeChannel(rig.transfer, 2), kOperandTooLarge);
  EXPECT_EQ(readChannel(rig.transfer, -1), kOperandTooLarge);
  EXPECT_TRUE(rig.simulator.receivedFrames().empty());
}

TEST(GroupSwitches, ByteAbove255IsWrittenAs255AndNeverVerifies) {
  SettingsRig rig;
  rig.settings.channels[0].averaging = 300;
  EXPECT_EQ(writeChannel(rig.transfer, 0), kReadBackMismatch);
  EXPECT_EQ(rig.simulator.byteParameter(2, 317), 255);
}

TEST(GroupSwitches, SerialNumberBytesAreJoined) {
  SettingsRig rig;
  rig.simulator.setByteParameter(2, 11, 0xFF);
  rig.simulator.setByteParameter(2, 12, 0xFF);
  EXPECT_EQ(readDeviceNumber(rig.transfer), kOk);
  EXPECT_EQ(rig.settings.general.serialNumber, 65535);
  rig.simulator.setByteParameter(2, 11, 0);
  rig.simulator.setByteParameter(2, 12, 1);
  EXPECT_EQ(readDeviceNumber(rig.transfer), kOk);
  EXPECT_EQ(rig.settings.general.serialNumber, 256);
}

}  // namespace
}  // namespace zorkan
