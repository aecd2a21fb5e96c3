#pragma once
// JSON texts for what the tool prints or publishes as JSON: never depending on the process
// locale, as the number texts do not.

#include <string>
#include <string_view>

namespace zorkan {

// Quoted, with quotes, backslashes and control characters escaped; UTF-8 passes as it is.
std::string JsonString(std::string_view text);
std::string JsonBool(bool value);
// The shortest text that reads back as `value`; null for a value JSON has no number for
// (infinity, not a number).
std::string JsonNumber(double value);

}  // namespace zorkan
