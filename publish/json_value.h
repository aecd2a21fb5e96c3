#pragma once
// JSON as RFC 8259 has it, read into values: what the commands from the broker are written in.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace zorkan {

struct JsonValue;
using JsonArray = std::vector<JsonValue>;
// Members in the order written; a name given twice stays twice, for the caller to refuse.
using JsonObject = std::vector<std::pair<std::string, JsonValue>>;

struct JsonValue {
  std::variant<std::nullptr_t, bool, double, std::string, JsonArray, JsonObject> value;

  template <typename Kind>
  const Kind* as() const {
    return std::get_if<Kind>(&value);
  }
};

// The whole text as one value, white space around it allowed; nullopt for anything else, a number
// beyond a double's range and nesting deeper than a few dozen levels included.
std::optional<JsonValue> ParseJson(std::string_view text);

}  // namespace zorkan
