// Topic prefixes a broker would refuse for every instrument, refused before anything is sent.
#include "publish/topic_prefix.h"

#include <gtest/gtest.h>

#include <string>

namespace zorkan {
namespace {

TEST(TopicPrefix, RefusesWhatNoBrokerTakesWithTheReasonAndWhere) {
  const struct {
    std::string prefix;
    std::string refusal;
  } kRefused[] = {
      {"", "is empty"},
      {"\xff\xfe", "is not UTF-8 at byte 1"},
      {"plant/\xe2\x82", "is not UTF-8 at byte 7"},     // cut short
      {"\xc0\xaf", "is not UTF-8 at byte 1"},           // overlong "/"
      {"a\xed\xa0\x80", "is not UTF-8 at byte 2"},      // a surrogate
      {"a\xf4\x90\x80\x80", "is not UTF-8 at byte 2"},  // beyond U+10FFFF
      {"z\001ctl", "holds a control character, U+0001 at byte 2"},
      {"z\x7f", "holds a control character, U+007F at byte 2"},
      {"z\xc2\x85", "holds a control character, U+0085 at byte 2"},
      {std::string("a\0b", 3), "holds a NUL at byte 2"},
      {"a\xef\xbf\xbe", "holds the noncharacter U+FFFE at byte 2"},
      {"line+1", "holds the wildcard + at byte 5"},
      {"line/#", "holds the wildcard # at byte 6"},
  };
  for (const auto& [prefix, refusal] : kRefused) {
    EXPECT_EQ(CheckTopicPrefix(prefix).refusal, refusal) << prefix;
  }
}

// The longest topic of an instrument adds "/", the serial number and "/channel1/status_text" to
// the prefix; a serial number is at most 11 characters ("-2147483648").
TEST(TopicPrefix, LongestPrefixTakenMakesTopicsOfExactlyTheMqttLimit) {
  constexpr std::size_t kAdded = 1 + 11 + 21;
  EXPECT_EQ(CheckTopicPrefix(std::string(kLongestMqttTopic - kAdded, 'a')).refusal, "");
  EXPECT_EQ(CheckTopicPrefix(std::string(kLongestMqttTopic - kAdded + 1, 'a')).refusal,
            "is 65503 bytes long: its topics would be up to 65536, and MQTT allows 65535");
}

TEST(TopicPrefix, TakesUnicodeAndWarnsOfALeadingSlash) {
  const TopicPrefixCheck cyrillic = CheckTopicPrefix("завод/цех 2");
  EXPECT_EQ(cyrillic.refusal, "");
  EXPECT_EQ(cyrillic.warning, "");
  const TopicPrefixCheck rooted = CheckTopicPrefix("/plant");
  EXPECT_EQ(rooted.refusal, "");
  EXPECT_EQ(rooted.warning, "starts with /, which gives every topic an empty first level");
}

}  // namespace
}  // namespace zorkan
