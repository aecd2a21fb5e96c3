// read and write: the whole instrument to and from a profile, as the window's read and write
// buttons do it.
#include <cstdio>
#include <filesystem>

#include "cli/commands.h"
#include "ini/ini_file.h"
#include "profiles/profile.h"
#include "settings/channel_checks.h"
#include "settings/field_checks.h"
#include "settings/page_rules.h"
#include "settings/relay_checks.h"
#include "settings/settings_transfer.h"

namespace zorkan::cli {

namespace {

int RefusedWrite(const std::filesystem::path& path) {
  std::fprintf(stderr, "%s\n", UnableToWriteText(path).c_str());
  return kExitProfileUnusable;
}

// The read and write buttons always cover the whole instrument.
void SelectEveryGroup(DeviceSettings& settings) {
  for (ChannelSettings& channel : settings.channels) channel.selected = 1;
  settings.relays.relaySelected = 1;
  settings.general.generalSelected = 1;
}

// The checks and the write, in the order of the window's write button.
LinkError CheckAndWrite(DeviceSettings& settings, Session& session) {
  if (const LinkError result = checkFields(ShownFieldTexts(settings), session.dialogs);
      result != kOk) {
    return result;
  }
  TakeBackFromPages(settings);
  if (const LinkError result = checkRelays(settings, session.dialogs); result != kOk) {
    return result;
  }
  if (const LinkError result = checkChannels(settings, session.dialogs, true, true);
      result != kOk) {
    return result;
  }
  SettingsTransfer transfer{session.link, session.progress, settings};
  return writeAllSettings(transfer);
}

}  // namespace

int RunRead(const ReadCommand& command, Session& session) {
  const std::filesystem::path path = command.profile;
  const bool existed = std::filesystem::exists(path);
  DeviceSettings settings;
  if (!LoadProfile(path, settings)) return RefusedWrite(path);
  if (!session.OpenPort()) {
    if (!existed) std::filesystem::remove(path);
    return session.Finish(kNoAnswer);
  }
  SelectEveryGroup(settings);
  SettingsTransfer transfer{session.link, session.progress, settings};
  if (const LinkError result = readAllSettings(transfer); result != kOk) {
    // A script must not find a profile that looks read but holds defaults or half a read.
    if (!existed) std::filesystem::remove(path);
    return session.Finish(result);
  }
  // Shown after the read and taken back before the save, as the window does.
  ApplyRangeRules(settings);
  TakeBackFromPages(settings);
  if (!SaveProfile(path, settings)) return RefusedWrite(path);
  return kOk;
}

int RunWrite(const WriteCommand& command, Session& session) {
  const std::filesystem::path path = command.profile;
  // A missing profile would be created with the default profile and written to the instrument.
  if (!std::filesystem::is_regular_file(path)) {
    std::fprintf(stderr, "no such profile: %s\n", command.profile.c_str());
    return kExitProfileUnusable;
  }
  DeviceSettings settings;
  if (!LoadProfile(path, settings)) return RefusedWrite(path);
  SelectEveryGroup(settings);
  ApplyRangeRules(settings);
  if (!session.OpenPort()) return session.Finish(kNoAnswer);
  return session.Finish(CheckAndWrite(settings, session));
}

}  // namespace zorkan::cli
