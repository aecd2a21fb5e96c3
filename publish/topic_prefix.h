#pragma once
// Whether a broker can take the topics a prefix makes: every topic and client id the publisher
// uses starts with it, so a prefix the broker refuses would fail every instrument at once.

#include <cstddef>
#include <string>
#include <string_view>

namespace zorkan {

// The longest topic MQTT allows, in bytes of UTF-8.
constexpr std::size_t kLongestMqttTopic = 65535;

struct TopicPrefixCheck {
  std::string refusal;  // why no broker can take it; empty when it can
  std::string warning;  // legal but most likely not meant; empty when none
};

TopicPrefixCheck CheckTopicPrefix(std::string_view prefix);

}  // namespace zorkan
