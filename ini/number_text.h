#pragma once
// Number texts shared by edit fields, profiles, the report and the logs. They never depend on the
// process locale (a Russian locale would otherwise turn the decimal point into a comma).

#include <optional>
#include <string>
#include <string_view>

namespace zorkan {

// "%8.4f": four decimals, right-aligned in at least eight characters.
std::string FormatFixed(double value);

// "%f" scanning restricted to decimal notation: leading blanks skipped, the longest numeric prefix
// taken (sign, digits, point, exponent), trailing text ignored. nullopt when no number starts
// the text (hexadecimal, "inf" and "nan" are no numbers here) or when the number is too large for
// a double; a number too small for one gives zero.
std::optional<double> ScanDecimal(std::string_view text);

}  // namespace zorkan
