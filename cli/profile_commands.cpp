// read and write: the whole instrument to and from a profile, through the same workflows as the
// window's read and write buttons; with --addresses, a line of instruments.
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#include "cli/commands.h"
#include "cli/line_commands.h"
#include "cli/profile_files.h"
#include "ini/ini_file.h"
#include "profiles/instrument_keys.h"
#include "profiles/profile_document.h"
#include "workflows/headless_pages.h"
#include "workflows/whole_instrument.h"

namespace zorkan::cli {

namespace {

int RefusedWrite(const std::filesystem::path& path) {
  Tell(UnableToWriteText(path));
  return kExitProfileUnusable;
}

// A profile that is not there yet, as the default profile in memory; nullopt once the reason it
// cannot be created is printed. Its folder is looked at now, not after a whole read.
std::optional<IniDocument> NewProfile(const std::filesystem::path& path) {
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(folder, error);
  if (error) {
    Refused(folder, error.message());
    return std::nullopt;
  }
  if (!std::filesystem::is_directory(status)) {
    Refused(folder, "not a folder");
    return std::nullopt;
  }
  return DefaultProfile();
}

}  // namespace

int RunRead(const ReadCommand& command, Session& session) {
  if (!command.addresses.empty()) return RunLineRead(command, session);
  const IniFile file(command.profile);
  // The error_code overloads throughout: a loop of links, a name too long or a folder that may not
  // be entered is a reason to give, not an exception.
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file.path(), error);
  const bool missing = error == std::errc::no_such_file_or_directory;
  if (error && !missing) return Refused(file.path(), error.message());
  // Nothing is written before the read has succeeded: a script must not find a profile that looks
  // read but holds defaults or half a read.
  std::optional<IniDocument> profile =
      missing ? NewProfile(file.path()) : ReadProfileFile(file, status);
  if (!profile) return kExitProfileUnusable;
  DeviceSettings settings;
  LoadProfileFrom(*profile, settings);
  if (const auto refused = session.open()) return *refused;
  // As in the window: a loaded profile is on the pages before the read button takes them back.
  HeadlessPages pages(settings);
  pages.ShowSettings();
  ExchangeContext exchange = session.exchange();
  if (const LinkError result = ReadWholeInstrument(exchange, settings, pages); result != kOk) {
    return result;
  }
  pages.CollectSettings();
  SaveProfileInto(*profile, settings);
  if (!ReplaceProfile(file, *profile)) return RefusedWrite(file.path());
  return kOk;
}

int RunWrite(const WriteCommand& command, Session& session) {
  const IniFile file(command.profile);
  std::optional<IniDocument> profile = ReadExistingProfile(file);
  if (!profile) return kExitProfileUnusable;
  // A profile cut short would be written with defaults in place of what it lost, and the write
  // would report success.
  if (const auto missing = MissingSettingsText(MissingWrittenKeys(*profile));
      missing && !command.takeDefaults) {
    return Refused(file.path(), *missing + "; --take-defaults writes their defaults");
  }
  DeviceSettings settings;
  LoadExistingProfile(file, std::move(*profile), settings);
  if (const auto refused = session.open()) return *refused;
  HeadlessPages pages(settings);
  pages.ShowSettings();
  if (!command.addresses.empty()) return WriteLine(command, session, settings, pages);
  ExchangeContext exchange = session.exchange();
  return WriteWholeInstrument(exchange, settings, pages);
}

}  // namespace zorkan::cli
