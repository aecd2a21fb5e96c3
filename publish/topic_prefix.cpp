#include "publish/topic_prefix.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "publish/instrument_topics.h"

namespace zorkan {

namespace {

struct CodePoint {
  char32_t value = 0;
  std::size_t length = 0;  // bytes
};

// The first byte of a sequence of two, three or four, and the least value each may encode.
struct LeadByte {
  unsigned char mask;
  unsigned char bits;
  std::size_t length;
  char32_t smallest;
};
constexpr LeadByte kLeadBytes[] = {
    {0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};

// The code point that starts `text`; nullopt for what is not UTF-8: a stray or missing
// continuation byte, an overlong form, a surrogate, or a value beyond U+10FFFF.
std::optional<CodePoint> DecodeFirst(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if (byte(0) < 0x80) return CodePoint{byte(0), 1};
  const auto* lead =
      std::find_if(std::begin(kLeadBytes), std::end(kLeadBytes),
                   [&](const LeadByte& form) { return (byte(0) & form.mask) == form.bits; });
  if (lead == std::end(kLeadBytes) || text.size() < lead->length) return std::nullopt;
  char32_t value = byte(0) & static_cast<unsigned char>(~lead->mask);
  for (std::size_t i = 1; i < lead->length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
    value = (value << 6) | (byte(i) & 0x3F);
  }
  if (value < lead->smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return std::nullopt;
  }
  return CodePoint{value, lead->length};
}

// Brokers refuse topics with control characters (C0, DEL, C1) and with noncharacters.
bool IsControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}
bool IsNoncharacter(char32_t c) {
  return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
}

std::string CodePointName(char32_t c) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
  return name;
}

std::string AtByte(std::size_t offset) {
  return " at byte " + std::to_string(offset + 1);
}

// The longest topic an instrument gets after the prefix: its serial number as the longest number
// it could be, then the longest of the topics under it.
std::size_t LongestTopicAfterPrefix() {
  const std::string root = InstrumentTopic("", std::numeric_limits<std::int32_t>::min());
  std::vector<BrokerMessage> messages = ValueMessages(root, LiveValues{}, LocalTime{});
  for (BrokerMessage& message : IdentityMessages(root, 0, InstrumentIdentity{})) {
    messages.push_back(std::move(message));
  }
  messages.push_back(OnlineMessage(root, false));
  messages.push_back(JsonMessage(root, 0, InstrumentIdentity{}, LiveValues{}, LocalTime{}, 0));
  std::size_t longest = 0;
  for (const BrokerMessage& message : messages) longest = std::max(longest, message.topic.size());
  return longest;
}

std::string CharacterRefusal(std::string_view prefix) {
  for (std::size_t offset = 0; offset < prefix.size();) {
    const std::optional<CodePoint> c = DecodeFirst(prefix.substr(offset));
    if (!c) return "is not UTF-8" + AtByte(offset);
    if (c->value == 0) return "holds a NUL" + AtByte(offset);
    if (IsControl(c->value)) {
      return "holds a control character, " + CodePointName(c->value) + AtByte(offset);
    }
    if (IsNoncharacter(c->value)) {
      return "holds the noncharacter " + CodePointName(c->value) + AtByte(offset);
    }
    // Wildcards name many topics; a message goes to one.
    if (c->value == '+' || c->value == '#') {
      return std::string("holds the wildcard ") + static_cast<char>(c->value) + AtByte(offset);
    }
    offset += c->length;
  }
  return {};
}

}  // namespace

TopicPrefixCheck CheckTopicPrefix(std::string_view prefix) {
  TopicPrefixCheck check;
  if (prefix.empty()) {
    check.refusal = "is empty";
    return check;
  }
  check.refusal = CharacterRefusal(prefix);
  if (!check.refusal.empty()) return check;
  const std::size_t longest = prefix.size() + LongestTopicAfterPrefix();
  if (longest > kLongestMqttTopic) {
    check.refusal = "is " + std::to_string(prefix.size()) +
                    " bytes long: its topics would be up to " + std::to_string(longest) +
                    ", and MQTT allows " + std::to_string(kLongestMqttTopic);
    return check;
  }
  if (prefix.starts_with('/')) {
    check.warning = "starts with /, which gives every topic an empty first level";
  }
  return check;
}

}  // namespace zorkan
