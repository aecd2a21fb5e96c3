#include "profiles/profile_keys.h"

namespace zorkan::profile {

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

}  // namespace zorkan::profile
