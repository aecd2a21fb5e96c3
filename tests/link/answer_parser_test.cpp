#include "link/answer_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace zorkan {
namespace {

std::uint8_t ByteOf(std::string_view answer, LinkError expected = kOk) {
  std::uint8_t value = 0xEE;
  EXPECT_EQ(ParseByteAnswer(answer, value), expected) << answer;
  return value;
}

TEST(CheckStatusAnswer, AnyAnswerWithoutDollarIsAccepted) {
  EXPECT_EQ(CheckStatusAnswer("garbage\r"), kOk);
  EXPECT_EQ(CheckStatusAnswer(""), kOk);
}

TEST(CheckStatusAnswer, EveryStatusMapsToItsCode) {
  EXPECT_EQ(CheckStatusAnswer("$0000;1\r"), kOk);
  EXPECT_EQ(CheckStatusAnswer("$0001"), 7);
  EXPECT_EQ(CheckStatusAnswer("$0002"), 19);
  EXPECT_EQ(CheckStatusAnswer("$0003"), 22);
  EXPECT_EQ(CheckStatusAnswer("$0005"), 7);
  EXPECT_EQ(CheckStatusAnswer("$0006"), 4);
  EXPECT_EQ(CheckStatusAnswer("$000B"), 3);
  EXPECT_EQ(CheckStatusAnswer("$000C"), 12);
  EXPECT_EQ(CheckStatusAnswer("$000D"), 6);
  EXPECT_EQ(CheckStatusAnswer("$0004"), 7);
  EXPECT_EQ(CheckStatusAnswer("$"), 7);
  EXPECT_EQ(CheckStatusAnswer("$000b"), 7);  // the instrument writes upper case
}

TEST(CheckStatusAnswer, StatusFoundAnywhereWinsOverData) {
  EXPECT_EQ(CheckStatusAnswer("!1;0A;$0003;123\r"), 22);
  EXPECT_EQ(CheckStatusAnswer("$0001 $0000\r"), kOk);  // searched in table order
}

TEST(ParseByteAnswer, PlainAnswer) {
  EXPECT_EQ(ByteOf("!1;1A;123\r"), 0x1A);
  EXPECT_EQ(ByteOf("!1;ff;1\r"), 0xFF);
}

TEST(ParseByteAnswer, NoiseBeforeAnswer) {
  EXPECT_EQ(ByteOf("\x93x!1;0A;555\r"), 10);
}

TEST(ParseByteAnswer, SixtyFourNoiseBytesAreTolerated) {
  EXPECT_EQ(ByteOf(std::string(64, 'x') + "!1;0A;555\r"), 10);
}

TEST(ParseByteAnswer, SixtyFiveNoiseBytesAreTooMuch) {
  ByteOf(std::string(65, 'x') + "!1;0A;555\r", kTooMuchData);
}

TEST(ParseByteAnswer, StatusAnswerToReadIsMisshapen) {
  ByteOf("$0003;4567\r", kBadAnswer);
}

TEST(ParseByteAnswer, MissingSeparatorsAreMisshapen) {
  ByteOf("!1\r", kBadAnswer);       // no ";" at all
  ByteOf("1;0A;22\r", kBadAnswer);  // no "!"
  ByteOf(";junk!1\r", kBadAnswer);  // no ";" after the first field
  ByteOf("!1;0A\r", kBadAnswer);    // no ";" after the data field
}

TEST(ParseByteAnswer, ShortDataFieldIsMisshapen) {
  ByteOf("!1;A;1\r", kBadAnswer);
  ByteOf("!1;;1\r", kBadAnswer);
  ByteOf("!1;G0;1\r", kBadAnswer);
}

TEST(ParseByteAnswer, ValueKeptOnFailure) {
  std::uint8_t value = 42;
  EXPECT_NE(ParseByteAnswer("!1;zz;1\r", value), kOk);
  EXPECT_EQ(value, 42);
}

TEST(ParseFloatAnswer, MostSignificantByteFirst) {
  float value = 0;
  ASSERT_EQ(ParseFloatAnswer("!1;C3DE0000;123\r", value), kOk);
  EXPECT_EQ(value, -444.0f);
  ASSERT_EQ(ParseFloatAnswer("!1;41CC0000;123\r", value), kOk);
  EXPECT_EQ(value, 25.5f);
}

TEST(ParseFloatAnswer, NoSeparatorNeededAfterData) {
  float value = 0;
  EXPECT_EQ(ParseFloatAnswer("!1;3F800000\r", value), kOk);
  EXPECT_EQ(value, 1.0f);
}

TEST(ParseFloatAnswer, SevenDigitsAreTooFew) {
  float value = 7;
  EXPECT_EQ(ParseFloatAnswer("!1;3F80000;1\r", value), kBadAnswer);
  EXPECT_EQ(value, 7);
}

// Answers carry no parameter number: a data field of another width is another request's answer,
// never a value to cut from it.
TEST(AnswerWidth, FieldOfAnotherWidthIsNotThisRequestsAnswer) {
  std::uint8_t byte = 42;
  EXPECT_EQ(ParseByteAnswer("!1;41CC0000;1\r", byte), kBadAnswer);
  EXPECT_EQ(ParseByteAnswer("!1;0A5;1\r", byte), kBadAnswer);
  EXPECT_EQ(byte, 42);
  float value = 7;
  EXPECT_EQ(ParseFloatAnswer("!1;0A;1\r", value), kBadAnswer);
  EXPECT_EQ(ParseFloatAnswer("!1;41CC00001A;1\r", value), kBadAnswer);
  EXPECT_EQ(value, 7);
  DataBlock block{};
  EXPECT_EQ(ParseBlockAnswer("!1;000102030405060708090A0B0C0D0E0F10;1\r", block), kBadAnswer);
}

TEST(ParseBlockAnswer, SixteenBytesInOrder) {
  DataBlock block{};
  ASSERT_EQ(ParseBlockAnswer("!1;000102030405060708090A0B0C0D0E0F;1\r", block), kOk);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(block[i], i);
}

TEST(ParseBlockAnswer, StatusAnswerGivesItsCode) {
  DataBlock block{};
  EXPECT_EQ(ParseBlockAnswer("$0003;1\r", block), kParameterNotFound);
  EXPECT_EQ(ParseBlockAnswer("!1;0001;1\r", block), kBadAnswer);
}

TEST(AnswerText, EndsAtFirstNul) {
  using namespace std::string_literals;
  EXPECT_EQ(AnswerText("!1;0\0A;1\r"s), "!1;0");
  EXPECT_EQ(AnswerText("abc"), "abc");
}

}  // namespace
}  // namespace zorkan
