#pragma once
// Pieces of the JSON messages the publisher sends. UTF-8 passes as it is.

#include <optional>
#include <string>
#include <string_view>

namespace zorkan {

// Quoted, with quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view text);
std::string JsonBool(bool value);
// The shortest text that reads back as `value`; null for none.
std::string JsonNumber(std::optional<float> value);
std::string JsonNumber(std::optional<double> value);

}  // namespace zorkan
