#include "publish/json_text.h"

#include <charconv>
#include <cstdio>

namespace zorkan {

std::string JsonString(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  quoted += '"';
  return quoted;
}

std::string JsonBool(bool value) {
  return value ? "true" : "false";
}

namespace {

template <typename Number>
std::string ShortestText(const std::optional<Number>& value) {
  if (!value) return "null";
  char text[40];
  return std::string(text, std::to_chars(text, text + sizeof text, *value).ptr);
}

}  // namespace

std::string JsonNumber(std::optional<float> value) {
  return ShortestText(value);
}

std::string JsonNumber(std::optional<double> value) {
  return ShortestText(value);
}

}  // namespace zorkan
