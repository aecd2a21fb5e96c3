// Transactions through the real serial-port adapter over a pty, with the simulator behind it.
#include <gtest/gtest.h>

#include <thread>

#include "link/device_link.h"
#include "link/frame.h"
#include "link/qt_serial_port.h"
#include "sim/simulator.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using sim::Fault;
using sim::FaultKind;
using sim::Simulator;
using testing::ReadBytes;
using testing::RecordingDialogs;
using testing::ScratchFolder;

class LinkOverPtyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(link.OpenPortAt(simulator.devicePath(), 9600));
    ASSERT_TRUE(dialogs.shown.empty());
    LinkParameters parameters;
    parameters.attemptCount = 2;
    parameters.exchangeLogPath = folder / "COM.txt";
    link.SetParameters(parameters);
  }

  std::size_t frameCount() const { return simulator.receivedFrames().size(); }

  // No pacing: these tests are about behaviour, the benchmark is about speed.
  Simulator simulator{{.networkAddress = 1, .baudRate = 0, .turnaroundMs = 0}};
  QtSerialPort port;
  SystemClock clock;
  RecordingDialogs dialogs;
  ScratchFolder folder;
  DeviceLink link{port, clock, dialogs, folder.path()};
};

TEST_F(LinkOverPtyTest, EveryOperationRoundTrips) {
  ASSERT_EQ(link.WriteByteParam(2, 315, 9), kOk);
  EXPECT_EQ(simulator.byteParameter(2, 315), 9);
  std::int32_t byte = 0;
  ASSERT_EQ(link.ReadByteParam(2, 315, byte), kOk);
  EXPECT_EQ(byte, 9);

  ASSERT_EQ(link.WriteFloatParam(2, 29, 25.5f), kOk);
  EXPECT_EQ(simulator.floatParameter(2, 29), 25.5f);
  float real = 0;
  ASSERT_EQ(link.ReadFloatParam(2, 29, real), kOk);
  EXPECT_EQ(real, 25.5f);

  EXPECT_EQ(link.WriteByteParamVerified(2, 317, 4), kOk);
  EXPECT_EQ(link.WriteFloatParamVerified(2, 15, -444.0f), kOk);
  EXPECT_EQ(simulator.floatParameter(2, 15), -444.0f);

  DataBlock block{};
  EXPECT_EQ(link.ReadDataBlock(2, block), kOk);

  const std::vector<std::string> frames = simulator.receivedFrames();
  ASSERT_EQ(frames.size(), 9u);
  EXPECT_EQ(frames[0], CompleteFrame(":1;38;00013B;09;"));
  EXPECT_EQ(frames[2], CompleteFrame(":1;38;00801D;41CC0000;"));
  EXPECT_EQ(frames[8], CompleteFrame(":1;37;00E002;"));
}

TEST_F(LinkOverPtyTest, SilentInstrumentGivesNoAnswerAfterEveryAttempt) {
  simulator.addFault({.kind = FaultKind::Silence});
  std::int32_t value = 77;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
  EXPECT_EQ(value, 77);
  EXPECT_EQ(frameCount(), 2u);
  const std::string log = ReadBytes(folder / "COM.txt");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 8);
}

TEST_F(LinkOverPtyTest, RejectedWriteIsSentEveryAttempt) {
  simulator.addFault({.kind = FaultKind::Status, .space = 2, .number = 4, .amount = 0x0003});
  EXPECT_EQ(link.WriteByteParam(2, 4, 1), kParameterNotFound);
  EXPECT_EQ(frameCount(), 2u);
}

TEST_F(LinkOverPtyTest, UnknownParameterIsNotFound) {
  float value = 0;
  EXPECT_EQ(link.ReadFloatParam(2, 4000, value), kBadAnswer);  // a status answer to a read
  EXPECT_EQ(link.WriteFloatParam(2, 4000, 1.0f), kParameterNotFound);
}

TEST_F(LinkOverPtyTest, ByteAbove255NeverReadsBackEqual) {
  EXPECT_EQ(link.WriteByteParamVerified(2, 317, 300), kReadBackMismatch);
  EXPECT_EQ(simulator.byteParameter(2, 317), 255);
  const std::vector<std::string> frames = simulator.receivedFrames();
  ASSERT_EQ(frames.size(), 4u);  // write, read back, twice
  EXPECT_EQ(frames[0], CompleteFrame(":1;38;00013D;FF;"));
  EXPECT_EQ(frames[1], CompleteFrame(":1;37;00013D;"));
}

TEST_F(LinkOverPtyTest, FloatReadBackWithinHundredthIsAccepted) {
  simulator.addFault({.kind = FaultKind::AlteredReadBack, .space = 2, .number = 29, .amount = 5});
  EXPECT_EQ(link.WriteFloatParamVerified(2, 29, 10.0f), kOk);
  EXPECT_EQ(frameCount(), 2u);
}

TEST_F(LinkOverPtyTest, FloatReadBackOffByMoreThanHundredthIsAMismatch) {
  simulator.addFault({.kind = FaultKind::AlteredReadBack, .space = 2, .number = 29, .amount = 20});
  EXPECT_EQ(link.WriteFloatParamVerified(2, 29, 10.0f), kReadBackMismatch);
  EXPECT_EQ(frameCount(), 4u);
}

TEST_F(LinkOverPtyTest, AlteredByteReadBackIsAMismatch) {
  simulator.addFault({.kind = FaultKind::AlteredReadBack, .space = 2, .number = 315});
  EXPECT_EQ(link.WriteByteParamVerified(2, 315, 9), kReadBackMismatch);
  EXPECT_EQ(simulator.byteParameter(2, 315), 10);
}

TEST_F(LinkOverPtyTest, InvalidSpaceSendsNothingAndLogsNothing) {
  float value = 0;
  EXPECT_EQ(link.ReadFloatParam(3, 1, value), kAddressTooLarge);
  std::int32_t byte = 0;
  ASSERT_EQ(link.ReadByteParam(2, 3, byte), kOk);  // the next request is the first the line saw
  EXPECT_EQ(frameCount(), 1u);
}

TEST_F(LinkOverPtyTest, NoiseAroundAnswersIsTolerated) {
  simulator.addFault({.kind = FaultKind::NoiseBefore, .amount = 60});
  simulator.addFault({.kind = FaultKind::NoiseAfter, .amount = 20});
  for (int round = 0; round < 3; ++round) {
    float value = 0;
    EXPECT_EQ(link.ReadFloatParam(2, 15, value), kOk) << round;
  }
}

TEST_F(LinkOverPtyTest, TooMuchNoiseBeforeAnswerIsRetriedThenReported) {
  simulator.addFault({.kind = FaultKind::NoiseBefore, .amount = 70});
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kTooMuchData);
  EXPECT_EQ(frameCount(), 2u);
}

TEST_F(LinkOverPtyTest, LateAnswerOfPreviousAttemptIsTaken) {
  simulator.setByteParameter(2, 3, 2);
  simulator.addFault(
      {.kind = FaultKind::Late, .space = 2, .number = 3, .amount = 1500, .times = 1});
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kOk);
  EXPECT_EQ(value, 2);
  EXPECT_EQ(frameCount(), 2u);
}

TEST_F(LinkOverPtyTest, LateAnswerOfFailedTransactionIsNotTakenByTheNext) {
  simulator.setByteParameter(2, 3, 2);
  simulator.setByteParameter(2, 4, 1);
  // Both attempts give up before the first answer comes; then the instrument answers both.
  simulator.addFault(
      {.kind = FaultKind::Late, .space = 2, .number = 3, .amount = 3000, .times = 1});
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));  // the operator reads the box
  std::int32_t next = 0;
  EXPECT_EQ(link.ReadByteParam(2, 4, next), kOk);
  EXPECT_EQ(next, 1);
}

TEST_F(LinkOverPtyTest, OtherNetworkAddressIsNotAnswered) {
  LinkParameters parameters = link.parameters();
  parameters.networkAddress = 2;
  link.SetParameters(parameters);
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
}

TEST_F(LinkOverPtyTest, ReopenedPortWorksAndClosedPortIsSilent) {
  link.ClosePort();
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
  EXPECT_EQ(frameCount(), 0u);
  link.OpenPortAt(simulator.devicePath(), 9600);
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kOk);
}

TEST(LinkWithoutInstrument, VanishedSimulatorIsSilenceNotACrash) {
  QtSerialPort port;
  SystemClock clock;
  RecordingDialogs dialogs;
  ScratchFolder folder;
  DeviceLink link{port, clock, dialogs, folder.path()};
  {
    Simulator simulator({.baudRate = 0, .turnaroundMs = 0});
    link.OpenPortAt(simulator.devicePath(), 9600);
  }
  LinkParameters parameters;
  parameters.attemptCount = 2;
  link.SetParameters(parameters);
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
}

TEST(LinkWithoutInstrument, MissingDeviceIsReportedOnce) {
  QtSerialPort port;
  SystemClock clock;
  RecordingDialogs dialogs;
  ScratchFolder folder;
  DeviceLink link{port, clock, dialogs, folder.path()};
  EXPECT_FALSE(link.OpenPortAt((folder / "COM1").string(), 9600));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Невозможно открыть последовательный порт");
}

}  // namespace
}  // namespace zorkan
