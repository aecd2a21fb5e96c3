#pragma once
// Taking a log line apart again: its fields, and numbers that must fill a field wholly, so that a
// damaged line is refused rather than read as something it never said.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace zorkan {

// Calls `take` with each line of `text`, its line end included; a last line without one counts.
template <typename Take>
void ForEachLine(std::string_view text, Take&& take) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
    take(text.substr(0, length));
    text.remove_prefix(length);
  }
}

// The line without its line end (LF, or CR LF of a file copied through another system).
std::string_view WithoutLineEnd(std::string_view line);

// Exactly `N` fields between `separator`s; nullopt for more or fewer.
template <std::size_t N>
std::optional<std::array<std::string_view, N>> SplitFields(std::string_view line, char separator) {
  std::array<std::string_view, N> fields;
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t end = line.find(separator);
    if ((end == std::string_view::npos) != (i + 1 == N)) return std::nullopt;
    fields[i] = line.substr(0, end);
    line.remove_prefix(end == std::string_view::npos ? line.size() : end + 1);
  }
  return fields;
}

// A decimal number (leading blanks allowed) that fills the field, finite.
std::optional<float> WholeFloat(std::string_view field);
// Digits of `base` that fill the field, at most `max`.
std::optional<unsigned> WholeUnsigned(std::string_view field, int base, unsigned max);

}  // namespace zorkan
