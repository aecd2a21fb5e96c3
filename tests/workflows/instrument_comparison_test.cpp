// Comparing the instrument with a profile: equal, a failed read, and which settings are compared in
// which order. One setpoint apart is shown by the window's and zorkan-cli diff's tests.
#include <gtest/gtest.h>

#include <sstream>

#include "ini/ini_document.h"
#include "profiles/profile_document.h"
#include "profiles/profile_keys.h"
#include "settings/settings_transfer.h"
#include "tests/workflows/exchange_rig.h"
#include "workflows/instrument_comparison.h"
#include "workflows/whole_instrument.h"

namespace zorkan {
namespace {

using Calls = std::vector<std::string>;
using Differences = std::vector<ProfileKeyDifference>;
using testing::ExchangeRig;

// The instrument read into the window's model and taken back from its pages, as a save takes it.
DeviceSettings ReadAsSaved(ExchangeRig& rig) {
  EXPECT_EQ(ReadWholeInstrument(rig.exchange, rig.settings, rig.view), kOk);
  rig.view.CollectSettings();
  rig.view.calls.clear();
  return rig.settings;
}

TEST(CompareInstrumentWith, ProfileReadFromTheInstrumentShowsNoDifference) {
  ExchangeRig rig;
  const DeviceSettings profile = ReadAsSaved(rig);
  rig.settings.channels[0].setpoint1 = 77.0f;  // the window's, not to be read into

  const InstrumentComparison comparison = CompareInstrumentWith(rig.exchange, profile);
  EXPECT_EQ(comparison.result, kOk);
  EXPECT_EQ(comparison.differences, Differences{});
  EXPECT_EQ(rig.settings.channels[0].setpoint1, 77.0f);
  EXPECT_EQ(rig.view.calls, (Calls{"lock", "unlock"}));
}

TEST(CompareInstrumentWith, FailedReadReportsItsCodeAndNoRows) {
  ExchangeRig rig;
  DeviceSettings profile = ReadAsSaved(rig);
  profile.channels[0].setpoint1 = 160.0f;
  rig.simulator.addFault({.kind = sim::FaultKind::Silence, .space = 2, .number = 37});

  const InstrumentComparison comparison = CompareInstrumentWith(rig.exchange, profile);
  EXPECT_EQ(comparison.result, kNoAnswer);
  EXPECT_EQ(comparison.differences, Differences{});
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].text, "Прибор не ответил (ERR 2)");
}

// Every key's setting at a value no read gives; the selection switches on, so that all is read.
DeviceSettings Unread() {
  using namespace profile;
  DeviceSettings settings;
  for (const ProfileKey& key : kProfileKeys) {
    const int count = key.section == ProfileSection::Channel    ? kChannelCount
                      : key.section == ProfileSection::DatBound ? 0
                                                                : 1;
    for (int index = 0; index < count; ++index) {
      if (const auto* integer = std::get_if<IntegerField>(&key.field)) {
        *(*integer)(settings, index) = -7;
      } else if (const auto* real = std::get_if<RealField>(&key.field)) {
        *(*real)(settings, index) = -7777.5f;
      }
    }
  }
  for (ChannelSettings& channel : settings.channels) channel.selected = 1;
  settings.relays.relaySelected = 1;
  settings.general.generalSelected = 1;
  return settings;
}

// "CH1 th1" for each saved key whose line differs between the two models' profiles, in file order.
std::vector<std::string> DifferingSavedKeys(const DeviceSettings& before,
                                            const DeviceSettings& after) {
  IniDocument first;
  IniDocument second;
  SaveProfileInto(first, before);
  SaveProfileInto(second, after);
  std::istringstream firstLines(first.bytes());
  std::istringstream secondLines(second.bytes());
  std::vector<std::string> keys;
  std::string section;
  for (std::string line, other;
       std::getline(firstLines, line) && std::getline(secondLines, other);) {
    if (line.starts_with('[')) section = line.substr(1, line.find(']') - 1);
    if (line != other) keys.push_back(section + " " + line.substr(0, line.find('=')));
  }
  return keys;
}

// The rows are exactly the settings a read takes from the instrument, in profile order: a setting
// the read changes but the comparison leaves out, or a profile-only value it compares, shows here.
TEST(CompareHeldSettings, ComparesExactlyWhatAReadChangesInProfileOrder) {
  ExchangeRig rig;
  const DeviceSettings unread = Unread();
  DeviceSettings read = unread;
  SettingsTransfer transfer{rig.link, rig.progress, read};
  ASSERT_EQ(readAllSettings(transfer), kOk);

  std::vector<std::string> rows;
  for (const ProfileKeyDifference& row : CompareHeldSettings(read, unread)) {
    rows.push_back(row.section + " " + row.key);
  }
  EXPECT_EQ(rows, DifferingSavedKeys(unread, read));
  EXPECT_FALSE(rows.empty());
}

}  // namespace
}  // namespace zorkan
