#include "ini/json_text.h"

#include <charconv>
#include <cmath>
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
std::string ShortestText(Number value) {
  if (!std::isfinite(value)) return "null";
  char digits[40];
  return std::string(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace

std::string JsonNumber(double value) {
  return ShortestText(value);
}

std::string JsonNumber(float value) {
  return ShortestText(value);
}

std::string JsonNumber(std::optional<double> value) {
  return value ? ShortestText(*value) : "null";
}

std::string JsonNumber(std::optional<float> value) {
  return value ? ShortestText(*value) : "null";
}

}  // namespace zorkan
