#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "ini/ini_file.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using testing::ScratchFolder;

// One key "v" in section "S" holding `value` as stored bytes.
class StoredValue {
 public:
  explicit StoredValue(std::string_view value) : ini_(folder_ / "v.prf") {
    testing::WriteBytes(folder_ / "v.prf", "[S]\r\nv=" + std::string(value) + "\r\n");
  }
  const IniFile& ini() const { return ini_; }

 private:
  ScratchFolder folder_;
  IniFile ini_;
};

TEST(IniValues, IntegerFormsAndRejects) {
  constexpr std::int32_t kDefault = 99;
  const struct {
    const char* text;
    std::int32_t expected;
  } cases[] = {
      {"17", 17},
      {"0x11", 17},
      {"0X1f", 31},
      {"$2", 2},
      {"$fF", 255},
      {"-3", -3},
      {"+4", 4},
      {"007", 7},
      {"2147483647", std::numeric_limits<std::int32_t>::max()},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"  42\t", 42},
      {"", kDefault},
      {"0x", kDefault},
      {"$", kDefault},
      {"abc", kDefault},
      {"12a", kDefault},
      {"1 2", kDefault},
      {"1.5", kDefault},
      {"0x1G", kDefault},
      {"-0x5", kDefault},
      {"0x-5", kDefault},
      {"$-5", kDefault},
      {"+-5", kDefault},
      {"--5", kDefault},
      {"2147483648", kDefault},
      {"-2147483649", kDefault},
      {"0xFFFFFFFF", kDefault},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StoredValue(c.text).ini().readInteger("S", "v", kDefault), c.expected) << c.text;
  }
  EXPECT_EQ(StoredValue("1").ini().readInteger("S", "missing", kDefault), kDefault);
  EXPECT_EQ(StoredValue("1").ini().readInteger("T", "v", kDefault), kDefault);
}

TEST(IniValues, TextTrimmedAndCutAt1023Characters) {
  EXPECT_EQ(StoredValue("  a  b \t").ini().readText("S", "v", "d"), "a  b");
  EXPECT_EQ(StoredValue("").ini().readText("S", "v", "d"), "");
  EXPECT_EQ(StoredValue("x").ini().readText("S", "missing", "d"), "d");
  EXPECT_EQ(StoredValue(std::string(2000, 'x')).ini().readText("S", "v", ""),
            std::string(1023, 'x'));
  // Blanks that the cut brings to the end are dropped as well.
  EXPECT_EQ(StoredValue(std::string(1019, 'x') + "     yyy").ini().readText("S", "v", ""),
            std::string(1019, 'x'));
  // The limit counts characters of the file, not bytes of their UTF-8 form.
  std::string cyrillic;
  for (int i = 0; i < 1023; ++i) cyrillic += "Ж";
  EXPECT_EQ(StoredValue(std::string(1100, '\xC6')).ini().readText("S", "v", ""), cyrillic);
}

TEST(IniValues, RealScansFirstSixteenCharacters) {
  const struct {
    const char* text;
    float expected;
  } cases[] = {
      {"0.000000000000000125", 0.0f},
      {"1,5", 1.0f},
      {"  12.5abc", 12.5f},
      {"-.5", -0.5f},
      {"1e3", 1000.0f},
      {"2e", 2.0f},
      {"0x10", 0.0f},
      {"12345678901234567890", 1234567890123456.0f},
      {"1e-50", 0.0f},
  };
  for (const auto& c : cases) {
    float setting = 7;
    StoredValue(c.text).ini().readReal("S", "v", "100", setting);
    EXPECT_EQ(setting, c.expected) << c.text;
  }
}

TEST(IniValues, RealWithoutNumberLeavesSetting) {
  // Empty is present, not missing: the default does not apply.
  for (const char* text : {"", "abc", "inf", "nan", "-", ".", "1e39", "-1e39"}) {
    float setting = 7;
    StoredValue(text).ini().readReal("S", "v", "100", setting);
    EXPECT_EQ(setting, 7.0f) << text;
  }
  float setting = 7;
  StoredValue("1").ini().readReal("S", "missing", "0.02", setting);
  EXPECT_EQ(setting, 0.02f);
  StoredValue("1").ini().readReal("S", "missing", "none", setting);
  EXPECT_EQ(setting, 0.02f);
}

}  // namespace
}  // namespace zorkan
