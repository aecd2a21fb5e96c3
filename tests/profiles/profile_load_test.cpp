#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "profiles/profile.h"
#include "tests/profiles/profile_helpers.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using testing::ReadBytes;
using testing::Scrambled;
using testing::ScratchFolder;
using testing::WriteBytes;

// Loads `bytes` as a profile into `settings`.
void Load(std::string_view bytes, DeviceSettings& settings) {
  ScratchFolder folder;
  WriteBytes(folder / "p.prf", bytes);
  ASSERT_TRUE(LoadProfile(folder / "p.prf", settings));
}

// A key table whose defaults drift from the model's member defaults would show up here: every
// setting is overwritten, so nothing of the scrambled start may remain.
TEST(ProfileLoad, EmptyFileGivesModelDefaults) {
  DeviceSettings settings = Scrambled();
  Load("", settings);
  EXPECT_EQ(settings, DeviceSettings{});
}

// Neither the serial number nor the manufacturing date nor the firmware version is in a profile:
// a menu load keeps what the pages showed.
TEST(ProfileLoad, SettingsWithoutKeysKeepTheirValues) {
  DeviceSettings settings;
  settings.general.serialNumber = 4321;
  settings.general.manufactureDay = 17;
  settings.general.manufactureMonth = 5;
  settings.general.manufactureYear = 2024;
  settings.general.firmwareVersion = 0x52;
  Load("[CH1]\r\ndiap_max=250\r\n", settings);
  EXPECT_EQ(settings.general.serialNumber, 4321);
  EXPECT_EQ(settings.general.manufactureDay, 17);
  EXPECT_EQ(settings.general.manufactureMonth, 5);
  EXPECT_EQ(settings.general.manufactureYear, 2024);
  EXPECT_EQ(settings.general.firmwareVersion, 0x52);
}

TEST(ProfileLoad, OnlyRangeMaxInFile) {
  ScratchFolder folder;
  WriteBytes(folder / "p.prf", "[CH1]\r\ndiap_max=250\r\n");
  DeviceSettings settings = Scrambled();
  ASSERT_TRUE(LoadProfile(folder / "p.prf", settings));
  DeviceSettings expected;
  expected.channels[0].rangeMax = 250.0f;
  EXPECT_EQ(settings, expected);
  EXPECT_EQ(ReadBytes(folder / "p.prf"),
            "[CH1]\r\ndiap_max=250\r\n[Grad]\r\nwr_grad_immid=1\r\n[GEN]\r\notk_type=47\r\n");
}

// Every load switches immediate calibration write-back on in the file; the model keeps what the
// file said.
TEST(ProfileLoad, WriteBackSwitchForcedOnInFileOnly) {
  ScratchFolder folder;
  WriteBytes(folder / "p.prf", "[Grad]\r\nwr_grad_immid=0\r\n[GEN]\r\notk_type=12\r\n");
  DeviceSettings settings;
  ASSERT_TRUE(LoadProfile(folder / "p.prf", settings));
  EXPECT_EQ(settings.grad.writeImmediately, 0);
  EXPECT_EQ(settings.general.qcCode, 12);
  EXPECT_EQ(ReadBytes(folder / "p.prf"), "[Grad]\r\nwr_grad_immid=1\r\n[GEN]\r\notk_type=12\r\n");
}

TEST(ProfileLoad, MissingKeyVersusEmptyValue) {
  DeviceSettings settings;
  settings.channels[0].setpoint1 = 7.0f;
  Load("[CH1]\r\nth2=1\r\n", settings);
  EXPECT_EQ(settings.channels[0].setpoint1, 50.0f) << "a missing real takes its default";

  settings.channels[0].setpoint1 = 7.0f;
  settings.channels[0].sensorType = 3;
  settings.channels[0].unitText = "mA";
  Load("[CH1]\r\nth1=\r\ndat=\r\nunit=\r\n", settings);
  EXPECT_EQ(settings.channels[0].setpoint1, 7.0f) << "an empty real keeps the value";
  EXPECT_EQ(settings.channels[0].sensorType, 17) << "an empty integer takes its default";
  EXPECT_EQ(settings.channels[0].unitText, "") << "an empty text is empty";
}

TEST(ProfileLoad, HexadecimalOrJunkIntegers) {
  DeviceSettings settings;
  settings.channels[0].sensorType = 3;
  settings.channels[1].sensorType = 3;
  Load("[CH1]\r\ndat=0x11\r\npoint=$2\r\nns=-3\r\n[CH2]\r\ndat=abc\r\nsearch=0X1f\r\n", settings);
  EXPECT_EQ(settings.channels[0].sensorType, 17);
  EXPECT_EQ(settings.channels[0].decimals, 2);
  EXPECT_EQ(settings.channels[0].averaging, -3) << "no range check on a load";
  EXPECT_EQ(settings.channels[1].sensorType, 17) << "no number: the default";
  EXPECT_EQ(settings.channels[1].observations, 31);
}

TEST(ProfileLoad, RealScannedFromFirst16Characters) {
  DeviceSettings settings;
  settings.channels[0].setpoint1 = 7.0f;
  settings.channels[0].setpoint2 = 7.0f;
  Load(
      "[CH1]\r\n"
      "th1=0.000000000000000125\r\n"  // the first 16 characters hold no other digit
      "diap_max=1,5\r\n"
      "diap_min=  -2.5e1xyz\r\n"
      "th2=abc\r\n"
      "his1=7.00004\r\n",
      settings);
  EXPECT_EQ(settings.channels[0].setpoint1, 0.0f);
  EXPECT_EQ(settings.channels[0].rangeMax, 1.0f);
  EXPECT_EQ(settings.channels[0].rangeMin, -25.0f);
  EXPECT_EQ(settings.channels[0].setpoint2, 7.0f) << "no number keeps the value";
  EXPECT_EQ(settings.channels[0].hysteresis1, 7.00004f);
}

TEST(ProfileLoad, NamesMatchWhateverTheirCase) {
  DeviceSettings settings;
  Load("[ch1]\r\nDIAP_MAX=5\r\n[definition]\r\nTxt2=x\r\n[gen]\r\nOTK_TYPE=9\r\n", settings);
  EXPECT_EQ(settings.channels[0].rangeMax, 5.0f);
  EXPECT_EQ(settings.description[2], "x");
  EXPECT_EQ(settings.general.qcCode, 9);
}

// "select" and "use" are different settings in a channel section and in "RELE".
TEST(ProfileLoad, KeyOfOneSectionNotTakenFromAnother) {
  DeviceSettings settings;
  Load("[RELE]\r\nselect=0\r\nuse=0\r\n[CH2]\r\nselect=0\r\nuse=1\r\n", settings);
  EXPECT_EQ(settings.relays.relaySelected, 0);
  EXPECT_EQ(settings.relays.use, 0);
  EXPECT_EQ(settings.channels[0].selected, 1);
  EXPECT_EQ(settings.channels[0].channelEnable, 0);
  EXPECT_EQ(settings.channels[1].selected, 0);
  EXPECT_EQ(settings.channels[1].channelEnable, 1);
}

TEST(ProfileLoad, TextsTrimmedAndCut) {
  DeviceSettings settings;
  const std::string longLine(2000, 'w');
  Load("[CH1]\r\nunit=  \xB0\xD1  \r\n[Definition]\r\ntxt1=" + longLine + "\r\n", settings);
  EXPECT_EQ(settings.channels[0].unitText, "\xC2\xB0\xD0\xA1");  // °С
  EXPECT_EQ(settings.description[1], longLine.substr(0, 1023));
}

// A read-only profile cannot take the write-backs of a load; every key loads all the same, and
// the file stays as it was.
// Loaded as defaults, a profile that cannot be read would show them as if they were its own.
TEST(ProfileLoad, UnreadableProfileLeavesTheModelAsItWas) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  ScratchFolder folder;
  const auto path = folder / "p.prf";
  WriteBytes(path, "[CH1]\r\ndiap_max=250\r\n");
  std::filesystem::permissions(path, std::filesystem::perms::none);
  DeviceSettings settings;
  settings.channels[0].rangeMax = 7.0f;
  EXPECT_FALSE(LoadProfile(path, settings));
  EXPECT_EQ(settings.channels[0].rangeMax, 7.0f);
}

TEST(ProfileLoad, ReadOnlyProfileLoadsWhole) {
  ScratchFolder folder;
  const auto path = folder / "p.prf";
  const std::string content =
      "[CH1]\r\ndiap_max=250\r\n[GEN]\r\nproc_ver=1\r\notk_type=5\r\n"
      "[Grad]\r\nwr_grad_immid=0\r\nku_max=99\r\n[GRAF]\r\nwr_int=9\r\n"
      "[Dat_bound3]\r\nmax=77\r\n";
  WriteBytes(path, content);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  DeviceSettings settings;
  EXPECT_TRUE(LoadProfile(path, settings));
  EXPECT_EQ(settings.channels[0].rangeMax, 250.0f);
  EXPECT_EQ(settings.general.deviceType, 1);
  EXPECT_EQ(settings.grad.writeImmediately, 0);
  EXPECT_EQ(settings.general.qcCode, 5);
  EXPECT_EQ(settings.grad.kuMax, 99.0f);
  EXPECT_EQ(settings.sensorBounds[3].max, 77.0f);
  EXPECT_EQ(settings.logInterval, 9);
  EXPECT_EQ(ReadBytes(path), content);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"p.prf"});
}

// Where the default profile cannot be written, the load reports it and changes nothing.
TEST(ProfileLoad, UnwritablePlaceChangesNoSetting) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "dir.prf");
  for (const auto& path : {folder / "dir.prf", folder / "missing" / "p.prf"}) {
    SCOPED_TRACE(path.string());
    DeviceSettings settings = Scrambled();
    EXPECT_FALSE(LoadProfile(path, settings));
    EXPECT_EQ(settings, Scrambled());
  }
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"dir.prf"});
  EXPECT_TRUE(std::filesystem::is_empty(folder / "dir.prf"));
}

}  // namespace
}  // namespace zorkan
