// Transactions against the simulated instrument in-process on virtual time: its answers and its
// faults as the link meets them, where a silent attempt costs no real time.
#include <gtest/gtest.h>

#include "link/device_link.h"
#include "sim/simulator.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using sim::FaultKind;
using testing::ScratchFolder;

class LinkAgainstInstrument : public ::testing::Test {
 protected:
  void SetUp() override {
    link.openPortAt("COM1", 9600);
    LinkParameters parameters;
    parameters.attemptCount = 2;
    link.setParameters(parameters);
  }

  std::size_t frameCount() const { return simulator.receivedFrames().size(); }

  // Unpaced: the noise after one answer has then all arrived, and is dropped, before the next
  // request goes out.
  sim::InProcessSimulator simulator{{.networkAddress = 1, .baudRate = 0, .turnaroundMs = 0}};
  ScratchFolder folder;
  DeviceLink link{simulator.port(), simulator.clock(), folder.path()};
};

TEST_F(LinkAgainstInstrument, UnknownParameterIsNotFound) {
  float value = 0;
  EXPECT_EQ(link.ReadFloatParam(2, 4000, value), kBadAnswer);  // a status answer to a read
  EXPECT_EQ(link.WriteFloatParam(2, 4000, 1.0f), kParameterNotFound);
}

TEST_F(LinkAgainstInstrument, AlteredByteReadBackIsAMismatch) {
  simulator.addFault({.kind = FaultKind::AlteredReadBack, .space = 2, .number = 315});
  EXPECT_EQ(link.WriteByteParamVerified(2, 315, 9), kReadBackMismatch);
  EXPECT_EQ(simulator.byteParameter(2, 315), 10);
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

TEST_F(LinkAgainstInstrument, OtherNetworkAddressIsNotAnswered) {
  LinkParameters parameters = link.parameters();
  parameters.networkAddress = 2;
  link.setParameters(parameters);
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
}

}  // namespace
}  // namespace zorkan
