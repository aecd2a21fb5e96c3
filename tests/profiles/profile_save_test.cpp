#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "profiles/profile.h"
#include "tests/profiles/profile_helpers.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using testing::KeyLine;
using testing::KeyLines;
using testing::ReadBytes;
using testing::Scrambled;
using testing::ScratchFolder;
using testing::SectionNames;
using testing::WriteBytes;

const std::vector<std::string> kChannelSaveOrder = {
    "dat",    "diap_max", "diap_min",     "adj",      "lin",       "wire",   "flag",
    "ns",     "shift",    "th_type1",     "th_type2", "th1",       "th2",    "his1",
    "his2",   "spd_th",   "spd_his",      "koef0",    "koef1",     "koef2",  "koef3",
    "uref",   "rref",     "ku",           "ku10",     "ki05",      "ki020",  "set_ra",
    "set_rb", "set_ku",   "set_ku10",     "set_ki05", "set_ki020", "search", "point",
    "select", "use",      "ver_rel_proc", "reg_int",  "pulse_int", "text",   "unit",
};

std::vector<std::string> KeysOf(const std::vector<KeyLine>& lines, const std::string& section) {
  std::vector<std::string> keys;
  for (const KeyLine& line : lines) {
    if (line.section == section) keys.push_back(line.key);
  }
  return keys;
}

std::string ValueOf(const std::vector<KeyLine>& lines, const std::string& section,
                    const std::string& key) {
  for (const KeyLine& line : lines) {
    if (line.section == section && line.key == key) return line.value;
  }
  ADD_FAILURE() << "no " << key << " in " << section;
  return {};
}

// What a load of a profile saved from `saved` into a new file gives: the keys a save leaves out
// take their defaults.
DeviceSettings LoadedFromNewFile(DeviceSettings saved) {
  const DeviceSettings defaults;
  const GradSettings grad = saved.grad;
  saved.grad = defaults.grad;
  saved.grad.kalibUsr = grad.kalibUsr;
  saved.grad.kalibDel = grad.kalibDel;
  saved.sensorBounds = defaults.sensorBounds;
  return saved;
}

TEST(ProfileSave, SaveThenLoadKeepsEverySavedSetting) {
  ScratchFolder folder;
  const DeviceSettings saved = Scrambled();
  ASSERT_TRUE(SaveProfile(folder / "p.prf", saved));
  DeviceSettings loaded;
  ASSERT_TRUE(LoadProfile(folder / "p.prf", loaded));
  EXPECT_EQ(loaded, LoadedFromNewFile(saved));
}

TEST(ProfileSave, RealsKeepFourDecimals) {
  ScratchFolder folder;
  DeviceSettings saved;
  saved.channels[0].polynomial[2] = 0.00001f;
  saved.channels[0].rangeMax = 0.2f;
  saved.channels[1].offset = -26.32f;
  saved.channels[1].setpoint1 = 1234.56789f;
  ASSERT_TRUE(SaveProfile(folder / "p.prf", saved));
  const auto lines = KeyLines(ReadBytes(folder / "p.prf"));
  EXPECT_EQ(ValueOf(lines, "CH1", "koef2"), "  0.0000");
  EXPECT_EQ(ValueOf(lines, "CH1", "diap_max"), "  0.2000");
  EXPECT_EQ(ValueOf(lines, "CH1", "uref"), " 26.3200");
  EXPECT_EQ(ValueOf(lines, "CH2", "shift"), "-26.3200");
  EXPECT_EQ(ValueOf(lines, "CH2", "th1"), "1234.5679");
  EXPECT_EQ(ValueOf(lines, "CH1", "dat"), "17");

  DeviceSettings loaded = Scrambled();
  ASSERT_TRUE(LoadProfile(folder / "p.prf", loaded));
  EXPECT_EQ(loaded.channels[0].polynomial[2], 0.0f);
  EXPECT_EQ(loaded.channels[0].rangeMax, 0.2f);
  EXPECT_EQ(loaded.channels[0].calibration.uref, 26.32f);
  EXPECT_EQ(loaded.channels[1].offset, -26.32f);
  EXPECT_EQ(loaded.channels[1].setpoint1, 1234.5679f);
}

TEST(ProfileSave, NewFileLayout) {
  ScratchFolder folder;
  ASSERT_TRUE(SaveProfile(folder / "p.prf", Scrambled()));
  const std::string bytes = ReadBytes(folder / "p.prf");
  EXPECT_EQ(SectionNames(bytes), (std::vector<std::string>{"CH1", "CH2", "RELE", "Grad",
                                                           "Definition", "GEN", "ERR", "GRAF"}));
  const auto lines = KeyLines(bytes);
  EXPECT_EQ(KeysOf(lines, "CH1"), kChannelSaveOrder);
  EXPECT_EQ(KeysOf(lines, "CH2"), kChannelSaveOrder);
  EXPECT_EQ(KeysOf(lines, "RELE"),
            (std::vector<std::string>{"select", "use", "test", "rel0_msk0", "rel0_msk1",
                                      "rel1_msk0", "rel1_msk1"}));
  EXPECT_EQ(KeysOf(lines, "Grad"), (std::vector<std::string>{"kalib_usr", "kalib_del"}));
  EXPECT_EQ(KeysOf(lines, "Definition"),
            (std::vector<std::string>{"txt0", "txt1", "txt2", "txt3"}));
  EXPECT_EQ(KeysOf(lines, "GEN"),
            (std::vector<std::string>{"gen_select", "proc_ver", "use_max", "otk_type"}));
  EXPECT_EQ(KeysOf(lines, "ERR"), std::vector<std::string>{"err_ver"});
  EXPECT_EQ(KeysOf(lines, "GRAF"), std::vector<std::string>{"wr_int"});
  EXPECT_EQ(lines.size(), 2 * 42 + 7 + 2 + 4 + 4 + 1 + 1u);

  EXPECT_EQ(ValueOf(lines, "CH2", "text"), "\xCF\xE5\xF7\xFC 2");  // Печь 2 in CP1251
  EXPECT_EQ(ValueOf(lines, "RELE", "rel1_msk0"), "7");
  EXPECT_EQ(ValueOf(lines, "GEN", "otk_type"), "123");
  EXPECT_EQ(ValueOf(lines, "GRAF", "wr_int"), "5");
}

// Limits, procedure settings and "dev_type" are never saved: a save over a generated profile
// keeps them, and rewrites the saved keys where they stand.
TEST(ProfileSave, SaveOverGeneratedProfileKeepsLimits) {
  ScratchFolder folder;
  ASSERT_TRUE(WriteBuiltinProfile(folder.path()));
  const auto path = BuiltinProfilePath(folder.path());
  const auto before = KeyLines(ReadBytes(path));
  ASSERT_TRUE(SaveProfile(path, Scrambled()));
  const std::string bytes = ReadBytes(path);
  const auto after = KeyLines(bytes);

  for (const KeyLine& line : before) {
    if (line.section.starts_with("Dat_bound") ||
        (line.section == "Grad" && line.key != "kalib_usr" && line.key != "kalib_del") ||
        line.key == "dev_type") {
      EXPECT_EQ(ValueOf(after, line.section, line.key), line.value) << line;
    }
  }
  EXPECT_EQ(SectionNames(bytes).size(), 33u) << "no section added or moved";
  EXPECT_EQ(after.size(), before.size() + 1) << "otk_type added";
  EXPECT_EQ(ValueOf(after, "CH1", "th1"), " 71.5000");
  DeviceSettings loaded;
  ASSERT_TRUE(LoadProfile(path, loaded));
  EXPECT_EQ(loaded.grad.kuMax, 115.0f);
  EXPECT_EQ(loaded.channels[0].setpoint1, 71.5f);
}

TEST(ProfileSave, DescriptionSavedAsFourTexts) {
  ScratchFolder folder;
  DeviceSettings saved;
  saved.description = {"Печь 3, зона 2", "", "", ""};
  ASSERT_TRUE(SaveProfile(folder / "p.prf", saved));
  const auto lines = KeyLines(ReadBytes(folder / "p.prf"));
  EXPECT_EQ(ValueOf(lines, "Definition", "txt1"), "");
  EXPECT_EQ(ValueOf(lines, "Definition", "txt3"), "");
  DeviceSettings loaded = Scrambled();
  ASSERT_TRUE(LoadProfile(folder / "p.prf", loaded));
  EXPECT_EQ(loaded.description, saved.description);

  // Texts that look like INI syntax, long texts and a line break inside a text.
  const std::string longText(900, 'q');
  saved.description = {"a=b; c", "[GEN]", longText, "first\r\nsecond"};
  ASSERT_TRUE(SaveProfile(folder / "p.prf", saved));
  ASSERT_TRUE(LoadProfile(folder / "p.prf", loaded));
  EXPECT_EQ(loaded.description[0], "a=b; c");
  EXPECT_EQ(loaded.description[1], "[GEN]");
  EXPECT_EQ(loaded.description[2], longText);
  EXPECT_EQ(loaded.description[3], "first  second");
  EXPECT_EQ(loaded.general.qcCode, 47) << "a text must not start a section of its own";
}

TEST(ProfileSave, ReadOnlyProfileOverwritten) {
  ScratchFolder folder;
  const auto path = folder / "p.prf";
  ASSERT_TRUE(SaveProfile(path, DeviceSettings{}));
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  ASSERT_TRUE(SaveProfile(path, Scrambled()));
  DeviceSettings loaded;
  ASSERT_TRUE(LoadProfile(path, loaded));
  EXPECT_EQ(loaded, LoadedFromNewFile(Scrambled()));
}

TEST(ProfileSave, RefusedSaveReported) {
  ScratchFolder folder;
  EXPECT_FALSE(SaveProfile(folder / "missing" / "p.prf", Scrambled()));
  std::filesystem::create_directory(folder / "dir.prf");
  EXPECT_FALSE(SaveProfile(folder / "dir.prf", Scrambled()));
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"dir.prf"});
  EXPECT_TRUE(std::filesystem::is_empty(folder / "dir.prf"));
}

}  // namespace
}  // namespace zorkan
