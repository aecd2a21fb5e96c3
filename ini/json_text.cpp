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

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char digits[32];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  return std::string(digits, result.ptr);
}

}  // namespace zorkan
