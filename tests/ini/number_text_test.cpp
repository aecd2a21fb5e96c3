#include "ini/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace zorkan {
namespace {

TEST(NumberText, FixedFormTable) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {100, "100.0000"},
      {0.2, "  0.2000"},
      {26.32f, " 26.3200"},
      {-3, " -3.0000"},
      {0, "  0.0000"},
      {0.00004, "  0.0000"},
      {-0.00004, " -0.0000"},
      {0.00005, "  0.0001"},  // the double lies just above the half
      {0.03125, "  0.0312"},  // an exact half rounds to even
      {0.09375, "  0.0938"},
      {99.99996, "100.0000"},
      {-1234.5, "-1234.5000"},
      {1e10, "10000000000.0000"},
      {3.4028234663852886e38, "340282346638528859811704183484516925440.0000"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatFixed(c.value), c.text) << c.value;
  EXPECT_EQ(FormatFixed(1e308).size(), 309u + 5u);
}

// Compared with the C library's own "%8.4f" in the "C" locale.
TEST(NumberText, FixedFormAgreesWithPrintf) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, "C");
  std::mt19937_64 random(20240601);
  std::uniform_real_distribution<double> exponent(-7, 12);
  std::uniform_int_distribution<int> ties(-4000, 4000);
  for (int i = 0; i < 600; ++i) {
    double value = std::pow(10.0, exponent(random)) * (random() % 2 ? 1 : -1);
    if (i % 3 == 1) value = static_cast<float>(value);  // settings are single precision
    if (i % 3 == 2) value = ties(random) / 32.0;        // exact halves of the last decimal
    char expected[400];
    std::snprintf(expected, sizeof expected, "%8.4f", value);
    EXPECT_EQ(FormatFixed(value), expected) << value;
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberText, DecimalScanForms) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"  1.5", 1.5},  {"\t-2", -2},    {"+.5", 0.5},   {"5.", 5},      {"1e3x", 1000},
      {"1e", 1},       {"1e+", 1},      {"1E-", 1},     {"2E-2", 0.02}, {"1,5", 1},
      {"0x1p3", 0},    {"000123", 123}, {"1.5.5", 1.5}, {"-0", 0},      {"1e-999", 0},
      {"12e+1z", 120}, {"7 8", 7},
  };
  for (const auto& c : cases) {
    const auto value = ScanDecimal(c.text);
    ASSERT_TRUE(value.has_value()) << c.text;
    EXPECT_EQ(*value, c.expected) << c.text;
  }
  EXPECT_TRUE(std::signbit(*ScanDecimal("-1e-999")));
  // Beyond the range of a double by the digits alone: too large has no value, too small is 0.
  EXPECT_FALSE(ScanDecimal("1" + std::string(400, '0')).has_value());
  EXPECT_EQ(ScanDecimal("0." + std::string(400, '0') + "1e+50"), 0.0);
  EXPECT_EQ(ScanDecimal("1" + std::string(400, '0') + "e-390"), 1e10);
}

TEST(NumberText, DecimalScanFindsNoNumber) {
  for (const char* text : {"", "  ", "abc", ".", "-", "+", "-.", ".e5", "e5", "inf", "-inf", "nan",
                           "infinity", "1e999", "-1e999", ",5"}) {
    EXPECT_FALSE(ScanDecimal(text).has_value()) << text;
  }
}

// A comma locale (Russian) turns "%f" and strtod to a decimal comma.
TEST(NumberText, ProcessLocaleIgnored) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  if (std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr &&
      std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "no locale with a decimal comma installed";
  }
  EXPECT_EQ(FormatFixed(1.5), "  1.5000");
  EXPECT_EQ(ScanDecimal("2.25"), 2.25);
  EXPECT_EQ(ScanDecimal("2,25"), 2.0);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace zorkan
