#include "ini/cp1251.h"

#include <gtest/gtest.h>

#include <string>

namespace zorkan {
namespace {

TEST(Cp1251, CyrillicAndSymbolsRoundTrip) {
  EXPECT_EQ(Utf8ToCp1251("Канал 1"), "\xCA\xE0\xED\xE0\xEB 1");
  EXPECT_EQ(Utf8ToCp1251("ЁёЯяАа№"), "\xA8\xB8\xDF\xFF\xC0\xE0\xB9");
  // Every byte but 0x98, which the code page leaves undefined, has its character.
  for (int byte = 0; byte < 256; ++byte) {
    if (byte == 0x98) continue;
    const std::string one(1, static_cast<char>(byte));
    const std::string utf8 = Cp1251ToUtf8(one);
    EXPECT_EQ(utf8.find("\xEF\xBF\xBD"), std::string::npos) << byte;  // no replacement character
    EXPECT_EQ(Utf8ToCp1251(utf8), one) << byte;
  }
  EXPECT_EQ(Cp1251ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1251, MissingCharactersBecomeQuestionMarks) {
  // A character beyond the basic plane takes two UTF-16 units but one byte.
  EXPECT_EQ(Utf8ToCp1251("😀Ж中ж"), "?\xC6?\xE6");
  EXPECT_EQ(Utf8ToCp1251("\x1A中"), "\x1A?");
  // Broken UTF-8 as well.
  EXPECT_EQ(Utf8ToCp1251("Ж\xFF"), "\xC6?");
}

}  // namespace
}  // namespace zorkan
