#include <gtest/gtest.h>

#include <random>
#include <string>

#include "profiles/profile.h"
#include "tests/profiles/profile_helpers.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using testing::Scrambled;
using testing::ScratchFolder;
using testing::WriteBytes;

DeviceSettings Loaded(std::string_view bytes) {
  ScratchFolder folder;
  WriteBytes(folder / "p.prf", bytes);
  DeviceSettings settings = Scrambled();
  EXPECT_TRUE(LoadProfile(folder / "p.prf", settings));
  return settings;
}

std::string Noise(std::mt19937& random, std::size_t size) {
  std::string bytes(size, ' ');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

// Binary noise holds no section: every setting its default, with or without a valid section
// somewhere in between.
TEST(BadProfiles, BinaryNoise) {
  std::mt19937 random(5);
  for (int round = 0; round < 10; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    EXPECT_EQ(Loaded(Noise(random, 20'000)), DeviceSettings{});
    const DeviceSettings settings =
        Loaded(Noise(random, 5'000) + "\r\n[CH2]\r\nth1=33\r\n" + Noise(random, 5'000));
    EXPECT_EQ(settings.channels[1].setpoint1, 33.0f);
    EXPECT_EQ(settings.channels[1].setpoint2, 60.0f);
  }
}

TEST(BadProfiles, MegabyteLine) {
  const std::string megabyte(1 << 20, '7');
  const DeviceSettings settings =
      Loaded("[Definition]\r\ntxt0=" + megabyte + "\r\n" + "x" + megabyte +
             "\r\n[CH1]\r\nth1=" + megabyte + "\r\ndiap_max=250\r\n");
  EXPECT_EQ(settings.description[0], megabyte.substr(0, 1023));
  EXPECT_EQ(settings.channels[0].setpoint1, 7777777777777777.0f) << "16 characters scanned";
  EXPECT_EQ(settings.channels[0].rangeMax, 250.0f);
}

TEST(BadProfiles, KeysWithoutSections) {
  EXPECT_EQ(Loaded("dat=5\r\ndiap_max=250\r\notk_type=3\r\n"), DeviceSettings{});
}

TEST(BadProfiles, RepeatedSectionsAndKeysFirstCounts) {
  const DeviceSettings settings = Loaded(
      "[CH1]\r\nth1=1\r\nth1=2\r\n[GEN]\r\notk_type=3\r\n[CH1]\r\nth2=4\r\n[gen]\r\n"
      "otk_type=5\r\nproc_ver=0\r\n");
  EXPECT_EQ(settings.channels[0].setpoint1, 1.0f);
  EXPECT_EQ(settings.channels[0].setpoint2, 60.0f) << "a repeated section is not read";
  EXPECT_EQ(settings.general.qcCode, 3);
  EXPECT_EQ(settings.general.deviceType, kDevicePidRegulator);
}

// 0x98 has no character in the code page; the text around it and the keys after it still load.
TEST(BadProfiles, ByteWithoutCharacter) {
  const DeviceSettings settings = Loaded(
      "[CH1]\r\nunit=\x98"
      "abc\r\ntext=\x98\r\ndiap_max=250\r\n");
  EXPECT_TRUE(settings.channels[0].unitText.ends_with("abc")) << settings.channels[0].unitText;
  EXPECT_FALSE(settings.channels[0].channelText.empty());
  EXPECT_EQ(settings.channels[0].rangeMax, 250.0f);
}

TEST(BadProfiles, LineEndsAndNulBytes) {
  using namespace std::string_literals;
  const DeviceSettings settings = Loaded(
      "[CH1]\nth1=11\n[CH2]\r\nth1=12\n\0\n[GRAF]\r\nwr_int=\0"
      "7\r\n[ERR]\r\nerr_ver=0"s);
  EXPECT_EQ(settings.channels[0].setpoint1, 11.0f);
  EXPECT_EQ(settings.channels[1].setpoint1, 12.0f);
  EXPECT_EQ(settings.logInterval, 1) << "a NUL is no digit";
  EXPECT_EQ(settings.general.errorDisplay, kErrorDisplaySimple) << "last line without line end";
}

}  // namespace
}  // namespace zorkan
