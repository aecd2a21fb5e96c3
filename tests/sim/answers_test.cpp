// What the instrument answers, byte for byte: shapes, read-back, unknown and malformed requests.
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

class SimulatorAnswers : public testing::UnpacedSimulatorTest {};

TEST_F(SimulatorAnswers, AnswerShapesAreByteExact) {
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 315)), ExpectedData("1;09;"));
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Float, 2, 15)), ExpectedData("1;44A28000;"));
  simulator.overrideLiveBlock(std::array<std::uint8_t, 16>{0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06,
                                                           0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D,
                                                           0xFE, 0xFF});
  EXPECT_EQ(exchange(ReadFrame(ValueKind::DataBlock, 1, 2)),
            ExpectedData("1;000102030405060708090A0B0C0DFEFF;"));
  EXPECT_EQ(exchange(ByteWriteFrame(2, 4, 1)), ExpectedStatus("0000"));
}

TEST_F(SimulatorAnswers, LineTrafficCountsBothWaysAndClearsWithTheFrames) {
  const std::string request = ReadFrame(ValueKind::Byte, 2, 315);
  const std::string answer = exchange(request);
  LineTraffic traffic = simulator.lineTraffic();
  EXPECT_EQ(traffic.requestBytes, request.size());
  EXPECT_EQ(traffic.answerBytes, answer.size());
  EXPECT_EQ(traffic.answers, 1u);
  simulator.clearReceivedFrames();
  traffic = simulator.lineTraffic();
  EXPECT_EQ(traffic.requestBytes + traffic.answerBytes + traffic.answers, 0u);
}

TEST_F(SimulatorAnswers, WrittenValuesReadBackExactly) {
  EXPECT_EQ(exchange(ByteWriteFrame(2, 3, 0xA5)), ExpectedStatus("0000"));
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 3)), ExpectedData("1;A5;"));
  EXPECT_EQ(simulator.byteParameter(2, 3), 0xA5);

  EXPECT_EQ(exchange(FloatWriteFrame(2, 33, 0.1f)), ExpectedStatus("0000"));
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Float, 2, 33)), ExpectedData("1;3DCCCCCD;"));
  EXPECT_EQ(simulator.floatParameter(2, 33), 0.1f);

  simulator.setFloatParameter(2, 29, -444.0f);
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Float, 2, 29)), ExpectedData("1;C3DE0000;"));
  simulator.setByteParameter(1, 6, 0x61);  // read-only for the tool, not for tests
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 1, 6)), ExpectedData("1;61;"));
  EXPECT_EQ(simulator.byteParameter(2, 99), std::nullopt);
  EXPECT_EQ(simulator.floatParameter(2, 315), std::nullopt);
}

TEST_F(SimulatorAnswers, SpaceSelectorTellsNumber6Apart) {
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 1, 6)), ExpectedData("1;52;"));
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 6)), ExpectedData("1;10;"));
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Float, 2, 6)), ExpectedData("1;41F00000;"));
}

TEST_F(SimulatorAnswers, UnknownOrMisdirectedParameterAnswers0003) {
  const std::string unknown = ExpectedStatus("0003");
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 99)), unknown);
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Float, 2, 315)), unknown) << "byte read as float";
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 29)), unknown) << "float read as byte";
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Float, 2, 17)), unknown) << "date byte read as float";
  EXPECT_EQ(exchange(ReadFrame(ValueKind::DataBlock, 1, 3)), unknown);
  EXPECT_EQ(exchange(ReadFrame(ValueKind::DataBlock, 2, 2)), unknown);
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 1, 0)), unknown) << "restart is write-only";
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 0)), unknown) << "device kind is write-only";
  EXPECT_EQ(exchange(ByteWriteFrame(1, 6, 0x53)), unknown) << "firmware is read-only";
  EXPECT_EQ(simulator.byteParameter(1, 6), 0x52);
  EXPECT_EQ(exchange(CompleteFrame(":1;37;004006;")), unknown) << "kind bits 01";
  EXPECT_EQ(exchange(CompleteFrame(":1;37;010003;")), unknown) << "address byte 0 not 00";
  EXPECT_EQ(exchange(CompleteFrame(":1;38;00E002;01;")), unknown) << "data block written";

  EXPECT_EQ(exchange(ByteWriteFrame(1, 0, 1)), ExpectedStatus("0000")) << "restart";
  EXPECT_EQ(exchange(ByteWriteFrame(2, 0, 47)), ExpectedStatus("0000")) << "device kind";
}

TEST_F(SimulatorAnswers, WrongChecksumAnswers000D) {
  EXPECT_EQ(exchange(std::string(4, '\xFF') + ":1;37;000003;6381\r"), ExpectedStatus("000D"));
  EXPECT_EQ(exchange(std::string(4, '\xFF') + ":1;38;000004;02;27966\r"), ExpectedStatus("000D"));
  EXPECT_EQ(simulator.byteParameter(2, 4), 0);
}

TEST_F(SimulatorAnswers, MalformedFramesAnswer000B) {
  const std::string unparsable = ExpectedStatus("000B");
  EXPECT_EQ(exchange(CompleteFrame(":1;39;000003;")), unparsable) << "unknown command";
  EXPECT_EQ(exchange(CompleteFrame(":1;37;00801d;")), unparsable) << "lower-case address";
  EXPECT_EQ(exchange(CompleteFrame(":1;37;0003;")), unparsable) << "short address";
  EXPECT_EQ(exchange(CompleteFrame(":1;37;000003;01;")), unparsable) << "read with data";
  EXPECT_EQ(exchange(CompleteFrame(":1;38;000004;")), unparsable) << "write without data";
  EXPECT_EQ(exchange(CompleteFrame(":1;38;00801D;41CC;")), unparsable) << "float with 4 digits";
  EXPECT_EQ(exchange(CompleteFrame(":1;38;000004;0001;")), unparsable) << "byte with 4 digits";
  EXPECT_EQ(exchange(CompleteFrame(":1;38;000004;G1;")), unparsable) << "no hex data";
  EXPECT_EQ(exchange(std::string(4, '\xFF') + ":1;37;000003;\r"), unparsable) << "no checksum";
  EXPECT_EQ(exchange(std::string(4, '\xFF') + ":1;37;000003;99999\r"), unparsable);
  EXPECT_EQ(exchange(std::string(4, '\xFF') + ":\r"), unparsable) << "empty frame";
  EXPECT_EQ(exchange(CompleteFrame(":x;37;000003;")), unparsable) << "no network address";
  EXPECT_EQ(simulator.byteParameter(2, 4), 0);
}

TEST_F(SimulatorAnswers, OtherNetworkAddressIsIgnored) {
  client.send(ReadFrame(ValueKind::Byte, 2, 3, 2));
  client.send(std::string(4, '\xFF') + ":7;37;000003;1\r");  // damaged, and not for us either
  EXPECT_EQ(client.readFor(300ms), "");
  EXPECT_EQ(exchange(ReadFrame(ValueKind::Byte, 2, 3)), ExpectedData("1;03;"));
}

TEST_F(SimulatorAnswers, BytesOutsideAFrameAreIgnored) {
  // Junk with a CR of its own, then a frame whose start is repeated.
  client.send("\x01junk\r\xFF\xFF:1;37;00" + ReadFrame(ValueKind::Byte, 2, 3));
  EXPECT_EQ(client.readAnswer(), ExpectedData("1;03;"));
  EXPECT_EQ(client.readFor(200ms), "") << "the junk CR must not be answered";
}

TEST_F(SimulatorAnswers, ReceivedFramesHoldPreambleToCarriageReturn) {
  const std::string first = "\x01junk\r" + ReadFrame(ValueKind::Byte, 2, 3);
  const std::string second = ByteWriteFrame(2, 4, 1);
  exchange(first);
  exchange(second);
  EXPECT_EQ(simulator.receivedFrames(), (std::vector<std::string>{first, second}));
  simulator.clearReceivedFrames();
  EXPECT_TRUE(simulator.receivedFrames().empty());

  client.send(ReadFrame(ValueKind::Byte, 2, 4));
  EXPECT_TRUE(simulator.waitForReceivedFrames(1, 3000ms));
  EXPECT_FALSE(simulator.waitForReceivedFrames(2, 100ms));
}

}  // namespace
}  // namespace zorkan::sim
