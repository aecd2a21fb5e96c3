#include "profiles/profile_keys.h"

#include "profiles/profile_document.h"

namespace zorkan {

namespace profile {

std::string SectionName(ProfileSection section, int index) {
  switch (section) {
    case ProfileSection::Channel:
      return "CH" + std::to_string(index + 1);
    case ProfileSection::Rele:
      return "RELE";
    case ProfileSection::Grad:
      return "Grad";
    case ProfileSection::Definition:
      return "Definition";
    case ProfileSection::Gen:
      return "GEN";
    case ProfileSection::Err:
      return "ERR";
    case ProfileSection::Graf:
      return "GRAF";
    case ProfileSection::DatBound:
      return "Dat_bound" + std::to_string(index);
  }
  return {};
}

std::string DefaultTextOf(const ProfileKey& key, int index) {
  if (const auto* member = std::get_if<std::string_view SensorBoundTexts::*>(&key.defaultText)) {
    return std::string(kSensorBoundTexts[static_cast<std::size_t>(index)].*(*member));
  }
  std::string text(std::get<std::string_view>(key.defaultText));
  if (const std::size_t at = text.find("%u"); at != std::string::npos) {
    text.replace(at, 2, std::to_string(index + 1));
  }
  return text;
}

}  // namespace profile

bool HoldsProfileSection(const IniDocument& document) {
  using enum profile::ProfileSection;
  const struct {
    profile::ProfileSection section;
    int count;
  } kSections[] = {{Channel, kChannelCount},
                   {Rele, 1},
                   {Grad, 1},
                   {Definition, 1},
                   {Gen, 1},
                   {Err, 1},
                   {Graf, 1},
                   {DatBound, kSensorTypeCount}};
  for (const auto& [section, count] : kSections) {
    for (int index = 0; index < count; ++index) {
      if (document.hasSection(profile::SectionName(section, index))) return true;
    }
  }
  return false;
}

}  // namespace zorkan
