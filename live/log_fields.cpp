#include "live/log_fields.h"

#include <charconv>
#include <cmath>

namespace zorkan {

std::string_view WithoutLineEnd(std::string_view line) {
  if (line.ends_with('\n')) line.remove_suffix(1);
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line;
}

std::optional<float> WholeFloat(std::string_view field) {
  while (field.starts_with(' ')) field.remove_prefix(1);
  float value = 0;
  const char* end = field.data() + field.size();
  const auto [stop, error] = std::from_chars(field.data(), end, value, std::chars_format::fixed);
  if (field.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<unsigned> WholeUnsigned(std::string_view field, int base, unsigned max) {
  unsigned value = 0;
  const char* end = field.data() + field.size();
  const auto [stop, error] = std::from_chars(field.data(), end, value, base);
  if (field.empty() || error != std::errc() || stop != end || value > max) return std::nullopt;
  return value;
}

}  // namespace zorkan
