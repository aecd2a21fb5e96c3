#pragma once
// JSON as zorkan-cli's --json writes it: objects built a member at a time, in the order given.

#include <concepts>
#include <string>
#include <string_view>
#include <vector>

#include "ini/json_text.h"

namespace zorkan::cli {

// The elements, each JSON already, as an array.
std::string JsonArray(const std::vector<std::string>& elements);

class JsonObject {
 public:
  JsonObject& string(std::string_view name, std::string_view value);
  template <std::integral Number>
  JsonObject& integer(std::string_view name, Number value) {
    return json(name, std::to_string(value));
  }
  // The instrument's float as the shortest text that reads back as it; null for one that is not
  // finite, which JSON cannot hold.
  JsonObject& real(std::string_view name, float value);
  JsonObject& boolean(std::string_view name, bool value);
  JsonObject& null(std::string_view name);
  // A value that is JSON already: an object, an array, a number in the program's own notation.
  JsonObject& json(std::string_view name, std::string_view value);

  std::string text() const { return text_ + "}"; }

 private:
  std::string text_ = "{";
};

}  // namespace zorkan::cli
