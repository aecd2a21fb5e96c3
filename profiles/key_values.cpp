#include "profiles/key_values.h"

#include <charconv>
#include <string>

namespace zorkan {

using namespace profile;

void ReadKeyValue(const IniDocument& profile, const KeyPlace& place, DeviceSettings& settings) {
  const auto& [key, index] = place;
  const std::string section = SectionName(key->section, index);
  const std::string defaultText = DefaultTextOf(*key, index);
  if (const auto* integer = std::get_if<IntegerField>(&key->field)) {
    std::int32_t defaultValue = 0;
    std::from_chars(defaultText.data(), defaultText.data() + defaultText.size(), defaultValue);
    *(*integer)(settings, index) = profile.readInteger(section, key->name, defaultValue);
  } else if (const auto* real = std::get_if<RealField>(&key->field)) {
    profile.readReal(section, key->name, defaultText, *(*real)(settings, index));
  } else if (const auto* text = std::get_if<TextField>(&key->field)) {
    *(*text)(settings, index) = profile.readText(section, key->name, defaultText);
  }
}

void WriteKeyValue(IniDocument& profile, const KeyPlace& place, DeviceSettings& model) {
  const auto& [key, index] = place;
  const std::string section = SectionName(key->section, index);
  if (const auto* integer = std::get_if<IntegerField>(&key->field)) {
    profile.writeInteger(section, key->name, *(*integer)(model, index));
  } else if (const auto* real = std::get_if<RealField>(&key->field)) {
    profile.writeReal(section, key->name, *(*real)(model, index));
  } else if (const auto* text = std::get_if<TextField>(&key->field)) {
    profile.writeText(section, key->name, *(*text)(model, index));
  }
}

}  // namespace zorkan
