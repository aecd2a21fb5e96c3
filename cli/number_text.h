#pragma once
// A whole number given on the command line.

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

namespace zorkan::cli {

// The whole text or nothing: "12x" is no 12.
template <typename Number>
std::optional<Number> ParseNumber(std::string_view text, int base = 10) {
  Number value{};
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (result.ec != std::errc{} || result.ptr != text.data() + text.size() || text.empty()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace zorkan::cli
