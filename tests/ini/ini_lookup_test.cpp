#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "ini/ini_file.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using namespace std::string_literals;

using testing::ScratchFolder;
using testing::WriteBytes;

TEST(IniLookup, NamesMatchWhateverTheirCase) {
  ScratchFolder folder;
  // "[Раздел]" and "Ёмкость=7" in the file's code page.
  WriteBytes(
      folder / "a.prf",
      "[ch1]\r\nDIAP_MAX=5\r\n[\xD0\xE0\xE7\xE4\xE5\xEB]\r\n\xA8\xEC\xEA\xEE\xF1\xF2\xFC=7\r\n");
  IniFile ini(folder / "a.prf");
  float rangeMax = 0;
  ini.readReal("CH1", "diap_max", "100", rangeMax);
  EXPECT_EQ(rangeMax, 5.0f);
  EXPECT_EQ(ini.readInteger("Ch1", "Diap_Max", 0), 5);
  EXPECT_EQ(ini.readInteger("РАЗДЕЛ", "ёМКОСТЬ", 0), 7);
  EXPECT_EQ(ini.readInteger("раздел", "ЁМКОСТЬ", 0), 7);
}

TEST(IniLookup, FirstOfRepeatedSectionsAndKeysCounts) {
  ScratchFolder folder;
  WriteBytes(folder / "a.prf", "[A]\r\nk=1\r\nk=2\r\n[B]\r\nk=3\r\n[a]\r\nk=4\r\nonly=5\r\n");
  IniFile ini(folder / "a.prf");
  EXPECT_EQ(ini.readInteger("A", "k", 0), 1);
  EXPECT_EQ(ini.readInteger("B", "k", 0), 3);
  // A key of a later section of the same name is not found at all.
  EXPECT_EQ(ini.readInteger("A", "only", 0), 0);

  ASSERT_TRUE(ini.writeInteger("A", "k", 8));
  ASSERT_TRUE(ini.writeInteger("a", "only", 9));
  EXPECT_EQ(testing::ReadBytes(folder / "a.prf"),
            "[A]\r\nk=8\r\nk=2\r\nonly=9\r\n[B]\r\nk=3\r\n[a]\r\nk=4\r\nonly=5\r\n");
}

TEST(IniLookup, CommentsJunkAndSectionlessKeysNeverMatch) {
  ScratchFolder folder;
  WriteBytes(folder / "a.prf",
             "k=1\r\n"
             "[S]\r\n"
             ";k=2\r\n"
             "#k=3\r\n"
             "  ; k=4\r\n"
             "k 5\r\n"
             "=6\r\n"
             "[T\r\n"
             "t=7\r\n"
             "[U] trailing words\r\n"
             "u=8\r\n");
  IniFile ini(folder / "a.prf");
  EXPECT_EQ(ini.readInteger("S", "k", -1), -1);
  EXPECT_EQ(ini.readInteger("S", ";k", -1), -1);
  EXPECT_EQ(ini.readInteger("S", "#k", -1), -1);
  EXPECT_EQ(ini.readText("S", "", "none"), "none");
  // "[T" opens no section, so its key stays in S.
  EXPECT_EQ(ini.readInteger("T", "t", -1), -1);
  EXPECT_EQ(ini.readInteger("S", "t", -1), 7);
  EXPECT_EQ(ini.readInteger("U", "u", -1), 8);
}

TEST(IniLookup, BlanksAroundNamesAndValuesIgnored) {
  ScratchFolder folder;
  WriteBytes(folder / "a.prf", " \t[  S \t]  \r\n\t k \t=\t v  v \t\r\n");
  IniFile ini(folder / "a.prf");
  EXPECT_EQ(ini.readText("S", "k", ""), "v  v");
}

TEST(IniLookup, LineEndsOfOtherEditorsAccepted) {
  ScratchFolder folder;
  WriteBytes(folder / "lf.prf", "[S]\nk=1\nj=2\n");
  WriteBytes(folder / "cr.prf", "[S]\r\nk=1\r\nj=2\r");
  WriteBytes(folder / "bare.prf", "[S]\r\nk=1\nj=2");
  for (const char* name : {"lf.prf", "cr.prf", "bare.prf"}) {
    IniFile ini(folder / name);
    EXPECT_EQ(ini.readText("S", "k", ""), "1") << name;
    EXPECT_EQ(ini.readText("S", "j", ""), "2") << name;
  }
}

TEST(IniLookup, UnreadablePlacesGiveDefaultsWithoutBlocking) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "folder.prf");
  ASSERT_EQ(::mkfifo((folder / "pipe.prf").c_str(), 0666), 0);
  WriteBytes(folder / "nosection.prf", "k=1\r\nj=2\r\n");
  WriteBytes(folder / "noise.prf", "\0\xFF\x98[\0]=\r\r\n\n=[]"s);
  WriteBytes(folder / "long.prf", "[S]\r\nk=" + std::string(1 << 20, '7') + "\r\n");
  for (const std::filesystem::path& path :
       {folder / "missing.prf", folder / "missing" / "a.prf", folder / "folder.prf",
        folder / "pipe.prf", folder / "nosection.prf", folder / "noise.prf", folder / "long.prf",
        std::filesystem::path("/dev/zero")}) {
    IniFile ini(path);
    EXPECT_EQ(ini.readInteger("S", "k", 17), 17) << path;
    EXPECT_EQ(ini.readText("S", "k", "d").size() <= 1023, true) << path;
    float value = 3;
    ini.readReal("S", "j", "x", value);
    EXPECT_EQ(value, 3.0f) << path;
  }
  EXPECT_FALSE(IniFile(folder / "folder.prf").exists());
  EXPECT_FALSE(IniFile(folder / "missing.prf").exists());
  EXPECT_TRUE(IniFile(folder / "long.prf").exists());
}

}  // namespace
}  // namespace zorkan
