// The instrument's deterministic faults, request by request.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "frames.h"
#include "link/frame.h"
#include "sim/simulator.h"
#include "tests/sim/unpaced_simulator.h"

namespace zorkan::sim {
namespace {

using namespace std::chrono_literals;
using testing::ByteWriteFrame;
using testing::ExpectedData;
using testing::ExpectedStatus;
using testing::FloatWriteFrame;
using testing::ReadFrame;

class SimulatorFaults : public testing::UnpacedSimulatorTest {};

TEST_F(SimulatorFaults, SilenceSwallowsTheRequestAndItsEffect) {
  simulator.addFault({FaultKind::Silence, 2, 3});
  EXPECT_TRUE(silentTo(ByteWriteFrame(2, 3, 7)));
  EXPECT_EQ(simulator.byteParameter(2, 3), 3);
  EXPECT_TRUE(silentTo(ReadFrame(ValueKind::Byte, 2, 3)));
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 4)), ExpectedData("1;00;"));
  simulator.clearFaults();
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 3)), ExpectedData("1;03;"));
}

TEST_F(SimulatorFaults, SilenceLastsOnlyItsCount) {
  simulator.addFault({FaultKind::Silence, 2, 315, 0, 2});
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 316)), ExpectedData("1;09;"));
  EXPECT_TRUE(silentTo(ReadFrame(ValueKind::Byte, 2, 315)));
  EXPECT_TRUE(silentTo(ReadFrame(ValueKind::Byte, 2, 315)));
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 315)), ExpectedData("1;09;"));
}

TEST_F(SimulatorFaults, NoiseBeforeAnswer) {
  simulator.addFault({FaultKind::NoiseBefore, 0, 0, 70, 1});
  const std::string expected = ExpectedData("1;03;");
  const std::string answer = exchange(ReadFrame(ValueKind::Byte, 2, 3));
  ASSERT_EQ(answer.size(), 70 + expected.size());
  EXPECT_EQ(answer.substr(70), expected);
  EXPECT_EQ(answer.substr(0, 70).find_first_of(std::string("\r\0!$;", 5)), std::string::npos);
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 3)), expected);
}

TEST_F(SimulatorFaults, NoiseAfterAnswer) {
  simulator.addFault({FaultKind::NoiseAfter, 2, 3, 30});
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 3)), ExpectedData("1;03;"));
  const std::string junk = client.readFor(300ms);
  EXPECT_EQ(junk.size(), 30u);
  EXPECT_EQ(junk.find_first_of(std::string("\r\0!$;", 5)), std::string::npos);
}

TEST_F(SimulatorFaults, StatusAnswerInsteadOfValueOrWrite) {
  simulator.addFault({FaultKind::Status, 2, 3, 0x0003});
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 3)), ExpectedStatus("0003"));
  EXPECT_EQ(exchange(ByteWriteFrame(2, 3, 1)), ExpectedStatus("0003"));
  EXPECT_EQ(simulator.byteParameter(2, 3), 3);
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 4)), ExpectedData("1;00;"));
}

TEST_F(SimulatorFaults, FaultForEveryRequestReachesTheDataBlock) {
  simulator.addFault({FaultKind::Status, 0, 0, 0x000C, 2});
  EXPECT_EQ(exchange(ReadFrame(ValueKind::DataBlock, 1, 2)), ExpectedStatus("000C"));
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 3)), ExpectedStatus("000C"));
  EXPECT_EQ(exchange(ReadFrame(ValueKind::DataBlock, 1, 2)).substr(0, 3), "!1;");
}

TEST_F(SimulatorFaults, AlteredReadBackOfByteAndFloat) {
  simulator.addFault({FaultKind::AlteredReadBack, 2, 3});
  simulator.addFault({FaultKind::AlteredReadBack, 2, 29});
  EXPECT_EQ(exchange(ByteWriteFrame(2, 3, 5)), ExpectedStatus("0000"));
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 3)), ExpectedData("1;06;"));
  EXPECT_EQ(exchange(ByteWriteFrame(2, 3, 0xFF)), ExpectedStatus("0000"));
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 3)), ExpectedData("1;00;"));
  EXPECT_EQ(exchange(FloatWriteFrame(2, 29, 25.5f)), ExpectedStatus("0000"));
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Float, 2, 29)), ExpectedData("1;41D40000;"));
}

TEST_F(SimulatorFaults, AlteredReadBackCountsWritesOnly) {
  simulator.addFault({FaultKind::AlteredReadBack, 2, 4, 0, 1});
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 4)), ExpectedData("1;00;"));
  exchange(ByteWriteFrame(2, 4, 1));
  EXPECT_EQ(simulator.byteParameter(2, 4), 2);
  exchange(ByteWriteFrame(2, 4, 1));
  EXPECT_EQ(simulator.byteParameter(2, 4), 1);
}

}  // namespace
}  // namespace zorkan::sim
