#include "cli/json_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace zorkan::cli {

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

std::string JsonArray(const std::vector<std::string>& elements) {
  std::string array = "[";
  for (const std::string& element : elements) {
    if (array.size() > 1) array += ',';
    array += element;
  }
  return array + "]";
}

JsonObject& JsonObject::string(std::string_view name, std::string_view value) {
  return json(name, JsonString(value));
}

JsonObject& JsonObject::real(std::string_view name, float value) {
  if (!std::isfinite(value)) return null(name);
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return json(name, std::string_view(text, static_cast<std::size_t>(result.ptr - text)));
}

JsonObject& JsonObject::boolean(std::string_view name, bool value) {
  return json(name, value ? "true" : "false");
}

JsonObject& JsonObject::null(std::string_view name) {
  return json(name, "null");
}

JsonObject& JsonObject::json(std::string_view name, std::string_view value) {
  if (text_.size() > 1) text_ += ',';
  text_ += JsonString(name);
  text_ += ':';
  text_ += value;
  return *this;
}

}  // namespace zorkan::cli
