#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "profiles/profile.h"
#include "tests/profiles/profile_helpers.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using testing::FileOf;
using testing::KeyLine;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

struct ChannelRow {
  std::string key;
  std::string channel1;
  std::string channel2;
};

const ChannelRow kChannelRows[] = {
    {"dat", "17", "17"},          {"diap_max", "100", "100"},
    {"diap_min", "0", "0"},       {"adj", "1.0", "1.0"},
    {"lin", "0.2", "0.2"},        {"wire", "3", "3"},
    {"flag", "0", "0"},           {"ns", "1", "1"},
    {"shift", "0", "0"},          {"th_type1", "0", "2"},
    {"th_type2", "0", "0"},       {"th1", "40", "50"},
    {"th2", "555", "0"},          {"his1", "5.0", "1.0"},
    {"his2", "0.50", "0.5"},      {"spd_th", "1.0", "1.0"},
    {"spd_his", "0.1", "0.1"},    {"koef0", "1.0", "0"},
    {"koef1", "444.0", "0"},      {"koef2", "4.4", "0"},
    {"koef3", "1.0", "0"},        {"search", "2", "2"},
    {"point", "1", "1"},          {"use", "1", "1"},
    {"ver_rel_proc", "0", "0"},   {"reg_int", "30", "2"},
    {"pulse_int", "10", "2"},     {"text", "Канал 1", "Канал 2"},
    {"unit", "<....>", "<....>"}, {"select", "1", "1"},
    {"uref", "26.32", "26.32"},   {"rref", "7491.0", "7491.0"},
    {"ku", "94.44", "94.44"},     {"ku10", "9.43", "9.43"},
    {"ki05", "18.43", "18.43"},   {"ki020", "18.43", "18.43"},
    {"set_ra", "40.0", "40.0"},   {"set_rb", "300.0", "300.0"},
    {"set_ki05", "5.0", "5.0"},   {"set_ki020", "20.0", "20.0"},
    {"set_ku", "100.0", "100.0"}, {"set_ku10", "10.0", "10.0"},
};

const KeyLine kGeneralRows[] = {
    {"RELE", "select", "1"},
    {"RELE", "test", "0"},
    {"RELE", "use", "1"},
    {"RELE", "rel0_msk0", "16"},
    {"RELE", "rel0_msk1", "0"},
    {"RELE", "rel1_msk0", "0"},
    {"RELE", "rel1_msk1", "1"},
    {"Grad", "kalib_usr", "8"},
    {"Grad", "kalib_del", "180"},
    {"ERR", "err_ver", "1"},
    {"GEN", "gen_select", "1"},
    {"GEN", "proc_ver", "3"},
    {"GEN", "use_max", "1"},
    {"GEN", "dev_type", "47"},
    {"GEN", "otk_type", "47"},
    {"Definition", "txt0",
     "Прибор ЗОРКАН 740 НР. Одноканальный прибор с ПИД управлением нагревателем."},
    {"Definition", "txt1", "Реле 1 включает нагреватель, реле 2 - назначено на уставку."},
    {"Definition", "txt2", ""},
    {"Definition", "txt3", ""},
    {"Grad", "rref_min", "5000.0"},
    {"Grad", "rref_max", "9000.0"},
    {"Grad", "uref_min", "18.0"},
    {"Grad", "uref_max", "32.0"},
    {"Grad", "ku_min", "75.0"},
    {"Grad", "ku_max", "115.0"},
    {"Grad", "ku10_min", "7.5"},
    {"Grad", "ku10_max", "11.5"},
    {"Grad", "ki05_min", "14.0"},
    {"Grad", "ki05_max", "22.0"},
    {"Grad", "ki020_min", "14.0"},
    {"Grad", "ki020_max", "22.0"},
    {"Grad", "usr_ref", "8"},
    {"Grad", "usr_ku", "8"},
    {"Grad", "usr_ki", "8"},
    {"Grad", "del_ref", "90"},
    {"Grad", "del_ku", "40"},
    {"Grad", "del_ki", "40"},
    {"Grad", "wr_grad_immid", "1"},
};

// max, min, pogr of sensor types 0 to 24.
const char* const kSensorLimits[25][3] = {
    {"200.0", "-50.0", "0.25"}, {"200.0", "-50.0", "0.25"}, {"200.0", "-50.0", "0.25"},
    {"200.0", "-50.0", "0.25"}, {"200.0", "-50.0", "0.25"}, {"200.0", "-50.0", "0.25"},
    {"600.0", "-50.0", "0.25"}, {"600.0", "-50.0", "0.25"}, {"600.0", "-50.0", "0.25"},
    {"1300.0", "-50.0", "0.5"}, {"600.0", "-50.0", "0.5"},  {"1700.0", "0.0", "0.5"},
    {"1700.0", "0.0", "0.5"},   {"1800.0", "300.0", "0.5"}, {"1100.0", "-50.0", "0.5"},
    {"2500.0", "0.0", "0.5"},   {"400.0", "-50.0", "0.5"},  {"100.0", "0.0", "0.25"},
    {"100.0", "0.0", "0.25"},   {"100.0", "0.0", "0.25"},   {"100.0", "0.0", "0.25"},
    {"100.0", "0.0", "0.25"},   {"300.0", "0.0", "0.25"},   {"100.0", "0.0", "0.25"},
    {"1300.0", "-50.0", "0.5"},
};

std::vector<KeyLine> DefaultProfileLines() {
  std::vector<KeyLine> lines;
  for (const ChannelRow& row : kChannelRows) lines.push_back({"CH1", row.key, row.channel1});
  for (const ChannelRow& row : kChannelRows) lines.push_back({"CH2", row.key, row.channel2});
  lines.insert(lines.end(), std::begin(kGeneralRows), std::end(kGeneralRows));
  for (int code = 0; code < 25; ++code) {
    const std::string section = "Dat_bound" + std::to_string(code);
    lines.push_back({section, "max", kSensorLimits[code][0]});
    lines.push_back({section, "min", kSensorLimits[code][1]});
    lines.push_back({section, "pogr", kSensorLimits[code][2]});
  }
  lines.push_back({"GRAF", "wr_int", "1"});
  return lines;
}

std::vector<KeyLine> BuiltinProfileLines() {
  std::vector<KeyLine> lines = DefaultProfileLines();
  const auto set = [&](const std::string& section, const std::string& key, const char* value) {
    const auto line = std::find_if(lines.begin(), lines.end(), [&](const KeyLine& l) {
      return l.section == section && l.key == key;
    });
    EXPECT_NE(line, lines.end()) << section << " " << key;
    if (line == lines.end()) return;
    if (value == nullptr) {
      lines.erase(line);
    } else {
      line->value = value;
    }
  };
  set("CH1", "his2", "0.5");
  set("CH1", "reg_int", "2");
  set("CH1", "pulse_int", "2");
  set("Grad", "kalib_del", "90");
  set("ERR", "err_ver", "0");
  set("GEN", "use_max", "0");
  set("GEN", "otk_type", nullptr);
  set("Definition", "txt0",
      "Прибор ЗОРКАН 740 НР ПИД. Одноканальный прибор с ПИД управлением нагревателем.");
  set("Definition", "txt1", "Реле 1 включает нагреватель, реле 2 - дополнительная уставка.");
  return lines;
}

// Compared line by line first, so that a failure names the first wrong key.
void ExpectFile(const std::filesystem::path& path, const std::vector<KeyLine>& lines) {
  const std::string bytes = ReadBytes(path);
  EXPECT_EQ(testing::KeyLines(bytes), testing::KeyLines(FileOf(lines)));
  EXPECT_EQ(bytes, FileOf(lines));
}

void ExpectGeneratedSetpoints(const DeviceSettings& settings) {
  EXPECT_EQ(settings.channels[0].setpoint1, 40.0f);
  EXPECT_EQ(settings.channels[0].setpoint2, 555.0f);
  EXPECT_EQ(settings.channels[1].setpointType1, kSetpointRising);
  EXPECT_EQ(settings.channels[1].setpoint1, 50.0f);
}

// The sections, keys, literal texts and their order of the profile a load writes where none is.
TEST(GeneratedProfiles, MissingProfileGetsDefaultContent) {
  ScratchFolder folder;
  DeviceSettings settings;
  ASSERT_TRUE(LoadProfile(RecentProfilePath(folder.path()), settings));
  ExpectFile(folder / "recent.prf", DefaultProfileLines());
  EXPECT_EQ(testing::SectionNames(ReadBytes(folder / "recent.prf")).size(), 33u);

  ExpectGeneratedSetpoints(settings);
  EXPECT_EQ(settings.channels[0].hysteresis2, 0.5f);
  EXPECT_EQ(settings.channels[0].polynomial[1], 444.0f);
  EXPECT_EQ(settings.channels[0].pulseInterval, 10);
  EXPECT_EQ(settings.channels[1].regulationInterval, 2);
  EXPECT_EQ(settings.relays.relayMask[0][0], 16);
  EXPECT_EQ(settings.relays.relayMask[1][1], 1);
  EXPECT_EQ(settings.grad.kalibDel, 180);
  EXPECT_EQ(settings.useMax, 1);
  EXPECT_EQ(settings.description[1], "Реле 1 включает нагреватель, реле 2 - назначено на уставку.");
  EXPECT_EQ(settings.description[3], "");
  EXPECT_EQ(settings.sensorBounds[13].min, 300.0f);
}

TEST(GeneratedProfiles, BuiltinProfileKeysAndOrder) {
  ScratchFolder folder;
  ASSERT_TRUE(WriteBuiltinProfile(folder.path()));
  EXPECT_EQ(BuiltinProfilePath(folder.path()), folder / "ZORKAN740_PID.prf");
  ExpectFile(folder / "ZORKAN740_PID.prf", BuiltinProfileLines());
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"ZORKAN740_PID.prf"});
}

// The built-in profile lacks the quality-control code: a load gives the model the default and
// the file the key.
TEST(GeneratedProfiles, LoadedBuiltinProfileGetsQcCode) {
  ScratchFolder folder;
  ASSERT_TRUE(WriteBuiltinProfile(folder.path()));
  DeviceSettings settings;
  settings.general.qcCode = 5;
  ASSERT_TRUE(LoadProfile(BuiltinProfilePath(folder.path()), settings));
  ExpectGeneratedSetpoints(settings);
  EXPECT_EQ(settings.general.qcCode, 47);
  EXPECT_EQ(settings.general.errorDisplay, kErrorDisplaySimple);

  std::vector<KeyLine> lines = BuiltinProfileLines();
  lines.push_back({"GEN", "otk_type", "47"});
  ExpectFile(BuiltinProfilePath(folder.path()), lines);
}

TEST(GeneratedProfiles, EditedBuiltinProfileNeverOverwritten) {
  ScratchFolder folder;
  WriteBytes(folder / "ZORKAN740_PID.prf", "[CH1]\r\nth1=12\r\n");
  EXPECT_TRUE(WriteBuiltinProfile(folder.path()));
  EXPECT_EQ(ReadBytes(folder / "ZORKAN740_PID.prf"), "[CH1]\r\nth1=12\r\n");
  WriteBytes(folder / "ZORKAN740_PID.prf", "");
  EXPECT_TRUE(WriteBuiltinProfile(folder.path()));
  EXPECT_EQ(ReadBytes(folder / "ZORKAN740_PID.prf"), "");
}

TEST(GeneratedProfiles, RefusedBuiltinProfileReported) {
  ScratchFolder folder;
  EXPECT_FALSE(WriteBuiltinProfile(folder / "missing"));
  std::filesystem::create_directory(folder / "ZORKAN740_PID.prf");
  EXPECT_FALSE(WriteBuiltinProfile(folder.path()));
}

}  // namespace
}  // namespace zorkan
