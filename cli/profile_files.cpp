#include "cli/profile_files.h"

#include <system_error>

#include "cli/console.h"
#include "cli/exit_status.h"
#include "profiles/instrument_keys.h"
#include "profiles/profile_document.h"

namespace zorkan::cli {

int Refused(const std::filesystem::path& path, const std::string& reason) {
  Tell(path.string() + ": " + reason);
  return kExitProfileUnusable;
}

std::optional<IniDocument> ReadProfileFile(const IniFile& file,
                                           const std::filesystem::file_status& status) {
  if (!std::filesystem::is_regular_file(status)) {
    Refused(file.path(), "not a regular file");
    return std::nullopt;
  }
  std::optional<IniDocument> profile = file.readDocument();
  if (!profile) Refused(file.path(), "cannot be read");
  return profile;
}

std::optional<IniDocument> ReadExistingProfile(const IniFile& file) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file.path(), error);
  if (error) {
    Refused(file.path(), error.message());
    return std::nullopt;
  }
  std::optional<IniDocument> profile = ReadProfileFile(file, status);
  if (profile && !HoldsProfileSection(*profile)) {
    Refused(file.path(), "not a profile: none of a profile's sections is in it");
    return std::nullopt;
  }
  return profile;
}

std::optional<std::string> MissingSettingsText(const std::vector<profile::KeyPlace>& missing) {
  if (missing.empty()) return std::nullopt;
  return std::to_string(missing.size()) + " of the settings a write sends are missing, the first " +
         KeyPlaceName(missing.front());
}

}  // namespace zorkan::cli
