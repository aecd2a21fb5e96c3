#include <optional>

#include "profiles/key_values.h"
#include "profiles/profile.h"
#include "profiles/profile_document.h"
#include "profiles/profile_keys.h"

namespace zorkan {

void SaveProfileInto(IniDocument& profile, const DeviceSettings& settings) {
  // The key table hands out writable fields; the copy keeps the caller's model out of reach.
  DeviceSettings model = settings;
  for (const profile::KeyPlace& place : profile::EveryKeyPlace()) {
    if (place.key->is(profile::kSaved)) WriteKeyValue(profile, place, model);
  }
}

void SaveCompleteProfileInto(IniDocument& profile, const DeviceSettings& settings) {
  DeviceSettings model = settings;
  for (const profile::KeyPlace& place : profile::EveryKeyPlace()) {
    WriteKeyValue(profile, place, model);
  }
}

bool ReplaceProfile(const IniFile& file, const IniDocument& profile) {
  return file.clearReadOnly() && file.replaceWith(profile);
}

bool SaveProfile(const std::filesystem::path& path, const DeviceSettings& settings) {
  const IniFile file(path);
  // The keys a save does not write stay as the file has them.
  std::optional<IniDocument> profile = file.readDocument();
  if (!profile) return false;
  SaveProfileInto(*profile, settings);
  return ReplaceProfile(file, *profile);
}

}  // namespace zorkan
