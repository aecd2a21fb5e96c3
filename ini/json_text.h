#pragma once
// JSON texts for what the tool prints or publishes as JSON: never depending on the process
// locale, as the number texts do not.

#include <optional>
#include <string>
#include <string_view>

namespace zorkan {

// Quoted, with quotes, backslashes and control characters escaped; UTF-8 passes as it is.
std::string JsonString(std::string_view text);
std::string JsonBool(bool value);
// The shortest text that reads back as `value`; null for a value JSON has no number for
// (infinity, not a number). A float keeps its own shortest text: 0.1f is 0.1, not the double
// nearest to it. An empty optional is null too.
std::string JsonNumber(double value);
std::string JsonNumber(float value);
std::string JsonNumber(std::optional<double> value);
std::string JsonNumber(std::optional<float> value);

}  // namespace zorkan
