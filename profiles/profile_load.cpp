#include <optional>
#include <string>
#include <utility>

#include "profiles/instrument_keys.h"
#include "profiles/key_values.h"
#include "profiles/profile.h"
#include "profiles/profile_document.h"
#include "profiles/profile_keys.h"

namespace zorkan {

void LoadProfileFrom(IniDocument& profile, DeviceSettings& settings) {
  using namespace profile;
  // Reads leave the document as it is: the file changes by the write-backs alone, in table order.
  for (const KeyPlace& place : EveryKeyPlace()) {
    ReadKeyValue(profile, place, settings);
    if (place.key->is(kLoadWritesBack)) WriteKeyValue(profile, place, settings);
    if (place.key->is(kLoadResets)) {
      profile.writeText(SectionName(place.key->section, place.index), place.key->name,
                        DefaultTextOf(*place.key, place.index));
    }
  }
}

void LoadExistingProfile(const IniFile& file, IniDocument profile, DeviceSettings& settings) {
  const std::string loaded = profile.bytes();
  // Any file loads, but only a profile gets the write-backs: another program's file, or garbage,
  // picked by mistake must come out of the load as it went in.
  const bool isProfile = HoldsProfileSection(profile);
  LoadProfileFrom(profile, settings);
  // A profile that cannot be written loads all the same; only its write-backs are lost.
  if (isProfile && profile.bytes() != loaded) (void)file.replaceWith(profile);
}

bool LoadProfile(const std::filesystem::path& path, DeviceSettings& settings) {
  std::vector<profile::KeyPlace> missing;
  return LoadProfile(path, settings, missing);
}

bool LoadProfile(const std::filesystem::path& path, DeviceSettings& settings,
                 std::vector<profile::KeyPlace>& missingWrittenKeys) {
  missingWrittenKeys.clear();
  const IniFile file(path);
  if (file.exists()) {
    std::optional<IniDocument> content = file.readDocument();
    // A file that is there but cannot be read has no settings to give: loading it as defaults
    // would show them as if they were the profile's.
    if (!content) return false;
    missingWrittenKeys = MissingWrittenKeys(*content);
    LoadExistingProfile(file, std::move(*content), settings);
    return true;
  }
  IniDocument profile = DefaultProfile();
  if (!file.replaceWith(profile)) return false;
  // The default profile holds what the write-backs write: the file stays as written.
  LoadProfileFrom(profile, settings);
  return true;
}

}  // namespace zorkan
