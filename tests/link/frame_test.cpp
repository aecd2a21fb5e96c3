#include "link/frame.h"

#include <gtest/gtest.h>

namespace zorkan {
namespace {

std::string Hex(const ParamAddress& address) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", address.bytes[0], address.bytes[1],
                address.bytes[2]);
  return text;
}

TEST(FrameChecksum, CheckValue) {
  EXPECT_EQ(frameChecksum("123456789"), 19255);
}

TEST(FrameChecksum, EmptyTextKeepsInitialValue) {
  EXPECT_EQ(frameChecksum(""), 0xFFFF);
}

TEST(RequestFrames, WorkedExamples) {
  EXPECT_EQ(CompleteFrame(ReadRequestText(1, MakeParamAddress(ValueKind::Byte, 2, 3))),
            "\xFF\xFF\xFF\xFF:1;37;000003;6380\r");
  EXPECT_EQ(CompleteFrame(ReadRequestText(1, MakeParamAddress(ValueKind::DataBlock, 1, 2))),
            "\xFF\xFF\xFF\xFF:1;37;00E002;17248\r");
  EXPECT_EQ(CompleteFrame(ByteWriteRequestText(1, MakeParamAddress(ValueKind::Byte, 2, 4), 1)),
            "\xFF\xFF\xFF\xFF:1;38;000004;01;27966\r");
  EXPECT_EQ(
      CompleteFrame(FloatWriteRequestText(1, MakeParamAddress(ValueKind::Float, 2, 29), 25.5f)),
      "\xFF\xFF\xFF\xFF:1;38;00801D;41CC0000;12585\r");
}

TEST(RequestFrames, FirstExampleOnTheLineByteForByte) {
  const std::string frame =
      CompleteFrame(ReadRequestText(1, MakeParamAddress(ValueKind::Byte, 2, 3)));
  const std::vector<unsigned> expected{0xFF, 0xFF, 0xFF, 0xFF, 0x3A, 0x31, 0x3B, 0x33,
                                       0x37, 0x3B, 0x30, 0x30, 0x30, 0x30, 0x30, 0x33,
                                       0x3B, 0x36, 0x33, 0x38, 0x30, 0x0D};
  ASSERT_EQ(frame.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(static_cast<unsigned char>(frame[i]), expected[i]) << "byte " << i;
  }
}

TEST(RequestFrames, NetworkAddressWithoutLeadingZerosAndDataInUpperCase) {
  EXPECT_EQ(ReadRequestText(247, MakeParamAddress(ValueKind::Float, 2, 15)), ":247;37;00800F;");
  EXPECT_EQ(ByteWriteRequestText(10, MakeParamAddress(ValueKind::Byte, 2, 6), 0xab),
            ":10;38;000006;AB;");
  EXPECT_EQ(FloatWriteRequestText(1, MakeParamAddress(ValueKind::Float, 2, 1), -444.0f),
            ":1;38;008001;C3DE0000;");
}

TEST(ParamAddressBytes, KindAndSpaceBits) {
  EXPECT_EQ(Hex(MakeParamAddress(ValueKind::Byte, 2, 6)), "000006");
  EXPECT_EQ(Hex(MakeParamAddress(ValueKind::Byte, 1, 6)), "002006");
  EXPECT_EQ(Hex(MakeParamAddress(ValueKind::Float, 2, 29)), "00801D");
  EXPECT_EQ(Hex(MakeParamAddress(ValueKind::Float, 1, 29)), "00A01D");
  EXPECT_EQ(Hex(MakeParamAddress(ValueKind::DataBlock, 2, 2)), "00C002");
  EXPECT_EQ(Hex(MakeParamAddress(ValueKind::DataBlock, 1, 2)), "00E002");
}

TEST(ParamAddressBytes, NumbersAbove255UseTheLowBitsOfByteOne) {
  EXPECT_EQ(Hex(MakeParamAddress(ValueKind::Byte, 2, 315)), "00013B");
  EXPECT_EQ(Hex(MakeParamAddress(ValueKind::Float, 1, 0x1234)), "00B234");
  EXPECT_EQ(Hex(MakeParamAddress(ValueKind::Byte, 2, 8191)), "001FFF");
}

TEST(ParamAddressBytes, NumbersAbove8191LoseTheirHighBits) {
  EXPECT_EQ(MakeParamAddress(ValueKind::Byte, 2, 8192), MakeParamAddress(ValueKind::Byte, 2, 0));
  EXPECT_EQ(Hex(MakeParamAddress(ValueKind::Float, 1, 0xFFFF)), "00BFFF");
}

}  // namespace
}  // namespace zorkan
