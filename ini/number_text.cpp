#include "ini/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace zorkan {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The longest prefix of `text` that reads as a decimal number, and the decimal exponent of its
// leading significant digit (to tell an overflow from an underflow).
struct NumberPrefix {
  std::size_t length = 0;
  long long magnitude = 0;
};

NumberPrefix FindNumber(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  long long integerDigits = 0;  // after leading zeros
  long long fractionZeros = 0;  // zeros after the point before the first significant digit
  bool significant = false;
  std::size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
    significant = significant || text[i] != '0';
    if (significant) ++integerDigits;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
      significant = significant || text[i] != '0';
      if (!significant) ++fractionZeros;
    }
  }
  if (digits == 0) return {};
  NumberPrefix number{i, integerDigits > 0 ? integerDigits : -fractionZeros};
  std::size_t e = i;
  if (e < text.size() && (text[e] == 'e' || text[e] == 'E')) {
    ++e;
    const bool negative = e < text.size() && text[e] == '-';
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    long long exponent = 0;
    std::size_t exponentDigits = 0;
    for (; e < text.size() && IsDigit(text[e]); ++e, ++exponentDigits) {
      // Saturates far beyond any double; only the side of the range matters then.
      if (exponent < 1'000'000) exponent = exponent * 10 + (text[e] - '0');
    }
    if (exponentDigits > 0) {
      number.length = e;
      number.magnitude += negative ? -exponent : exponent;
    }
  }
  return number;
}

}  // namespace

std::string FormatFixed(double value) {
  // The largest double has 309 integer digits.
  char digits[330];
  const auto result =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 4);
  const std::size_t length = static_cast<std::size_t>(result.ptr - digits);
  constexpr std::size_t kWidth = 8;
  std::string text(length < kWidth ? kWidth - length : 0, ' ');
  text.append(digits, length);
  return text;
}

std::optional<double> ScanDecimal(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
  text.remove_prefix(start);
  const NumberPrefix number = FindNumber(text);
  if (number.length == 0) return std::nullopt;
  std::string_view prefix = text.substr(0, number.length);
  const bool negative = prefix.front() == '-';
  // from_chars takes a minus sign but no plus sign.
  if (prefix.front() == '+') prefix.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(prefix.data(), prefix.data() + prefix.size(), value,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    if (number.magnitude > 0) return std::nullopt;  // no finite value to give
    return negative ? -0.0 : 0.0;
  }
  if (result.ec != std::errc{}) return std::nullopt;
  return value;
}

}  // namespace zorkan
