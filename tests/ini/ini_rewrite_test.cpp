#include <gtest/gtest.h>

#include <string>

#include "ini/ini_file.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using namespace std::string_literals;

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

// A file another program wrote: comments, blank lines, foreign sections, a byte the code page
// leaves undefined (0x98), Cyrillic, tabs, a lone line feed and no line end after the last line.
const std::string kForeign =
    "; profile of line 3\r\n"
    "\r\n"
    "[CH1]\r\n"
    "dat=17\r\n"
    "vendor_key = \x98\xCA\xE0\r\n"
    "\tjunk line without equals\r\n"
    "diap_max=  1.0000\n"
    "\r\n"
    "[Other]\r\n"
    "# hash comment\r\n"
    "x=\xFF\x98\x00y\r\n"
    "\r\n"
    "[CH2]\r\n"
    "dat=3"s;

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

TEST(IniRewrite, ForeignBytesSurviveRewrite) {
  ScratchFolder folder;
  const auto path = folder / "a.prf";
  WriteBytes(path, kForeign);
  IniFile ini(path);

  ASSERT_TRUE(ini.writeInteger("CH1", "dat", 5));
  std::string expected = Replaced(kForeign, "dat=17\r\n", "dat=5\r\n");
  EXPECT_EQ(ReadBytes(path), expected);

  ASSERT_TRUE(ini.writeReal("ch1", "DIAP_MAX", 250));
  expected = Replaced(expected, "diap_max=  1.0000\n", "DIAP_MAX=250.0000\n");
  EXPECT_EQ(ReadBytes(path), expected);
}

TEST(IniRewrite, NewKeyJoinsItsSectionNotTheFileEnd) {
  ScratchFolder folder;
  const auto path = folder / "a.prf";
  WriteBytes(path, kForeign);
  IniFile ini(path);

  ASSERT_TRUE(ini.writeText("CH1", "unit", "mA"));
  std::string expected =
      Replaced(kForeign, "diap_max=  1.0000\n\r\n", "diap_max=  1.0000\nunit=mA\r\n\r\n");
  EXPECT_EQ(ReadBytes(path), expected);

  // The last line of the file has no line end of its own.
  ASSERT_TRUE(ini.writeInteger("CH2", "ns", 4));
  expected += "\r\nns=4\r\n";
  EXPECT_EQ(ReadBytes(path), expected);

  ASSERT_TRUE(ini.writeInteger("GRAF", "wr_int", 1));
  expected += "[GRAF]\r\nwr_int=1\r\n";
  EXPECT_EQ(ReadBytes(path), expected);
}

TEST(IniRewrite, KeyReplacedWhereItStands) {
  ScratchFolder folder;
  const auto path = folder / "a.prf";
  WriteBytes(path, "[S]\r\na=1\r\nb = 2\r\nc=3\r\n");
  IniFile ini(path);
  ASSERT_TRUE(ini.writeText("S", "b", " new "));
  EXPECT_EQ(ReadBytes(path), "[S]\r\na=1\r\nb= new \r\nc=3\r\n");
}

TEST(IniRewrite, NewSectionAfterUnfinishedLastLine) {
  ScratchFolder folder;
  WriteBytes(folder / "bare.prf", "[A]\r\nx=1");
  WriteBytes(folder / "cr.prf", "[A]\r\nx=1\r");
  ASSERT_TRUE(IniFile(folder / "bare.prf").writeInteger("B", "y", 2));
  ASSERT_TRUE(IniFile(folder / "cr.prf").writeInteger("B", "y", 2));
  EXPECT_EQ(ReadBytes(folder / "bare.prf"), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
  EXPECT_EQ(ReadBytes(folder / "cr.prf"), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
  EXPECT_EQ(IniFile(folder / "cr.prf").readInteger("A", "x", 0), 1);
}

TEST(IniRewrite, NewFileKeepsOrderOfFirstWrites) {
  ScratchFolder folder;
  IniFile ini(folder / "new.prf");
  ASSERT_TRUE(ini.writeInteger("CH1", "dat", 17));
  ASSERT_TRUE(ini.writeInteger("CH2", "dat", 3));
  ASSERT_TRUE(ini.writeReal("CH1", "diap_max", 0.2));
  ASSERT_TRUE(ini.writeInteger("RELE", "select", -1));
  ASSERT_TRUE(ini.writeReal("CH2", "uref", 26.32f));
  ASSERT_TRUE(ini.writeInteger("CH1", "dat", 18));
  EXPECT_EQ(ReadBytes(folder / "new.prf"),
            "[CH1]\r\ndat=18\r\ndiap_max=  0.2000\r\n"
            "[CH2]\r\ndat=3\r\nuref= 26.3200\r\n"
            "[RELE]\r\nselect=-1\r\n");
}

TEST(IniRewrite, CyrillicStoredInCodePage) {
  ScratchFolder folder;
  const auto path = folder / "a.prf";
  IniFile ini(path);
  ASSERT_TRUE(ini.writeText("CH1", "text", "Канал 1"));
  ASSERT_TRUE(ini.writeText("Раздел", "Ключ", "€ 中"));
  EXPECT_EQ(ReadBytes(path),
            "[CH1]\r\ntext=\xCA\xE0\xED\xE0\xEB 1\r\n"
            "[\xD0\xE0\xE7\xE4\xE5\xEB]\r\n\xCA\xEB\xFE\xF7=\x88 ?\r\n");
  EXPECT_EQ(ini.readText("CH1", "text", ""), "Канал 1");
  EXPECT_EQ(ini.readText("раздел", "КЛЮЧ", ""), "€ ?");
}

TEST(IniRewrite, LineBreakInTextCannotAddKeys) {
  ScratchFolder folder;
  IniFile ini(folder / "a.prf");
  ASSERT_TRUE(ini.writeText("S", "t", "a\r\n[T]\nk=1"));
  EXPECT_EQ(ini.readInteger("T", "k", 0), 0);
  EXPECT_EQ(ini.readText("S", "t", ""), "a  [T] k=1");
}

}  // namespace
}  // namespace zorkan
