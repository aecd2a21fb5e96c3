// The profiles the tool writes by itself, from the key table's generated texts: the default
// profile that a load writes where no file exists, and the built-in ZORKAN740_PID.prf. Both set
// up a PID heater regulator on channel 1, relay 1 driving the heater.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "profiles/profile.h"
#include "profiles/profile_document.h"
#include "profiles/profile_keys.h"

namespace zorkan {

namespace profile {

namespace {

using enum ProfileSection;

enum class GeneratedProfile { Default, Builtin };

// The text a generated profile gives `key` in the channel or sensor type `index`; none where it
// leaves the key out.
std::optional<std::string> GeneratedText(const ProfileKey& key, int index,
                                         GeneratedProfile generated) {
  const Generated& texts = key.generated;
  if (generated == GeneratedProfile::Builtin && index == 0) {
    if (texts.builtinLacks) return std::nullopt;
    if (texts.builtinText) return std::string(*texts.builtinText);
  }
  if (key.section == Channel && index == 1 && texts.secondChannelText)
    return std::string(*texts.secondChannelText);
  if (texts.text) return std::string(*texts.text);
  return DefaultTextOf(key, index);
}

// The generated keys of `section` in their places.
std::vector<const ProfileKey*> GeneratedKeysOf(ProfileSection section) {
  std::vector<const ProfileKey*> keys;
  for (const ProfileKey& key : kProfileKeys) {
    if (key.section == section && key.generated.place > 0) keys.push_back(&key);
  }
  std::ranges::sort(keys, {}, [](const ProfileKey* key) { return key->generated.place; });
  return keys;
}

IniDocument ProfileOf(GeneratedProfile generated) {
  IniDocument profile;
  for (const ProfileSection section : kProfileSections) {
    const std::vector<const ProfileKey*> keys = GeneratedKeysOf(section);
    for (int index = 0; index < SectionCount(section); ++index) {
      for (const ProfileKey* key : keys) {
        if (const auto text = GeneratedText(*key, index, generated)) {
          profile.writeText(SectionName(section, index), key->name, *text);
        }
      }
    }
  }
  return profile;
}

}  // namespace

}  // namespace profile

IniDocument DefaultProfile() {
  return profile::ProfileOf(profile::GeneratedProfile::Default);
}

bool WriteBuiltinProfile(const std::filesystem::path& workDir) {
  const IniFile file(BuiltinProfilePath(workDir));
  // The operator may have edited it: an existing one is never touched.
  if (file.exists()) return true;
  return file.replaceWith(profile::ProfileOf(profile::GeneratedProfile::Builtin));
}

}  // namespace zorkan
