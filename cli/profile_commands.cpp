// read and write: the whole instrument to and from a profile, through the same workflows as the
// window's read and write buttons.
#include <cstdio>
#include <filesystem>

#include "cli/commands.h"
#include "ini/ini_file.h"
#include "profiles/profile.h"
#include "workflows/model_view.h"
#include "workflows/workbench.h"

namespace zorkan::cli {

namespace {

int RefusedWrite(const std::filesystem::path& path) {
  std::fprintf(stderr, "%s\n", UnableToWriteText(path).c_str());
  return kExitProfileUnusable;
}

}  // namespace

int RunRead(const ReadCommand& command, Session& session) {
  const std::filesystem::path path = command.profile;
  const bool existed = std::filesystem::exists(path);
  // A script must not find a profile that looks read but holds defaults or half a read.
  const auto forgetNewProfile = [&] {
    if (!existed) std::filesystem::remove(path);
  };
  DeviceSettings settings;
  if (!LoadProfile(path, settings)) return RefusedWrite(path);
  if (!session.openPort()) {
    forgetNewProfile();
    return session.finish(kNoAnswer);
  }
  // As in the window: a loaded profile is on the pages before the read button takes them back.
  ModelView view(settings);
  view.ShowSettings();
  Workbench bench = session.workbench(settings, view);
  if (const LinkError result = ReadWholeInstrument(bench); result != kOk) {
    forgetNewProfile();
    return result;
  }
  view.CollectSettings();
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
  if (!session.openPort()) return session.finish(kNoAnswer);
  ModelView view(settings);
  view.ShowSettings();
  Workbench bench = session.workbench(settings, view);
  return WriteWholeInstrument(bench);
}

}  // namespace zorkan::cli
