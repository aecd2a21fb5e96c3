// Transactions against the simulated instrument in-process on virtual time: its answers and its
// faults as the link meets them, where a silent attempt costs no real time.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "link/device_link.h"
#include "link/frame.h"
#include "sim/simulator.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using sim::FaultKind;
using testing::ReadBytes;
using testing::ScratchFolder;

class LinkAgainstInstrument : public ::testing::Test {
 protected:
  void SetUp() override {
    link.openPortAt("COM1", 9600);
    LinkParameters parameters;
    parameters.attemptCount = 2;
    parameters.exchangeLogPath = folder / "COM.txt";
    link.setParameters(parameters);
  }

  std::size_t frameCount() const { return simulator.receivedFrames().size(); }

  // Unpaced: the noise after one answer has then all arrived, and is dropped, before the next
  // request goes out.
  sim::InProcessSimulator simulator{{.networkAddress = 1, .baudRate = 0, .turnaroundMs = 0}};
  ScratchFolder folder;
  DeviceLink link{simulator.port(), simulator.clock(), folder.path()};
};

TEST_F(LinkAgainstInstrument, SilentInstrumentGivesNoAnswerAfterEveryAttempt) {
  simulator.addFault({.kind = FaultKind::Silence});
  std::int32_t value = 77;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
  EXPECT_EQ(value, 77);
  EXPECT_EQ(frameCount(), 2u);
  const std::string log = ReadBytes(folder / "COM.txt");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 8);
}

TEST_F(LinkAgainstInstrument, RejectedWriteIsSentEveryAttempt) {
  simulator.addFault({.kind = FaultKind::Status, .space = 2, .number = 4, .amount = 0x0003});
  EXPECT_EQ(link.WriteByteParam(2, 4, 1), kParameterNotFound);
  EXPECT_EQ(frameCount(), 2u);
}

TEST_F(LinkAgainstInstrument, UnknownParameterIsNotFound) {
  float value = 0;
  EXPECT_EQ(link.ReadFloatParam(2, 4000, value), kBadAnswer);  // a status answer to a read
  EXPECT_EQ(link.WriteFloatParam(2, 4000, 1.0f), kParameterNotFound);
}

TEST_F(LinkAgainstInstrument, ByteAbove255NeverReadsBackEqual) {
  EXPECT_EQ(link.WriteByteParamVerified(2, 317, 300), kReadBackMismatch);
  EXPECT_EQ(simulator.byteParameter(2, 317), 255);
  const std::vector<std::string> frames = simulator.receivedFrames();
  ASSERT_EQ(frames.size(), 4u);  // write, read back, twice
  EXPECT_EQ(frames[0], CompleteFrame(":1;38;00013D;FF;"));
  EXPECT_EQ(frames[1], CompleteFrame(":1;37;00013D;"));
}

TEST_F(LinkAgainstInstrument, FloatReadBackWithinHundredthIsAccepted) {
  simulator.addFault({.kind = FaultKind::AlteredReadBack, .space = 2, .number = 29, .amount = 5});
  EXPECT_EQ(link.WriteFloatParamVerified(2, 29, 10.0f), kOk);
  EXPECT_EQ(frameCount(), 2u);
}

TEST_F(LinkAgainstInstrument, FloatReadBackOffByMoreThanHundredthIsAMismatch) {
  simulator.addFault({.kind = FaultKind::AlteredReadBack, .space = 2, .number = 29, .amount = 20});
  EXPECT_EQ(link.WriteFloatParamVerified(2, 29, 10.0f), kReadBackMismatch);
  EXPECT_EQ(frameCount(), 4u);
}

TEST_F(LinkAgainstInstrument, AlteredByteReadBackIsAMismatch) {
  simulator.addFault({.kind = FaultKind::AlteredReadBack, .space = 2, .number = 315});
  EXPECT_EQ(link.WriteByteParamVerified(2, 315, 9), kReadBackMismatch);
  EXPECT_EQ(simulator.byteParameter(2, 315), 10);
}

TEST_F(LinkAgainstInstrument, InvalidSpaceSendsNothingAndLogsNothing) {
  float value = 0;
  EXPECT_EQ(link.ReadFloatParam(3, 1, value), kAddressTooLarge);
  std::int32_t byte = 0;
  ASSERT_EQ(link.ReadByteParam(2, 3, byte), kOk);  // the next request is the first the line saw
  EXPECT_EQ(frameCount(), 1u);
}

TEST_F(LinkAgainstInstrument, NoiseAroundAnswersIsTolerated) {
  simulator.addFault({.kind = FaultKind::NoiseBefore, .amount = 60});
  simulator.addFault({.kind = FaultKind::NoiseAfter, .amount = 20});
  for (int round = 0; round < 3; ++round) {
    float value = 0;
    EXPECT_EQ(link.ReadFloatParam(2, 15, value), kOk) << round;
  }
}

TEST_F(LinkAgainstInstrument, TooMuchNoiseBeforeAnswerIsRetriedThenReported) {
  simulator.addFault({.kind = FaultKind::NoiseBefore, .amount = 70});
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kTooMuchData);
  EXPECT_EQ(frameCount(), 2u);
}

TEST_F(LinkAgainstInstrument, LateAnswerOfFailedTransactionIsNotTakenByTheNext) {
  simulator.setByteParameter(2, 3, 2);
  simulator.setByteParameter(2, 4, 1);
  // Both attempts give up before the first answer comes; then the instrument answers both.
  simulator.addFault(
      {.kind = FaultKind::Late, .space = 2, .number = 3, .amount = 3000, .times = 1});
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
  simulator.clock().advance(std::chrono::milliseconds(1500));  // the operator reads the box
  std::int32_t next = 0;
  EXPECT_EQ(link.ReadByteParam(2, 4, next), kOk);
  EXPECT_EQ(next, 1);
}

TEST_F(LinkAgainstInstrument, OtherNetworkAddressIsNotAnswered) {
  LinkParameters parameters = link.parameters();
  parameters.networkAddress = 2;
  link.setParameters(parameters);
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
}

}  // namespace
}  // namespace zorkan
