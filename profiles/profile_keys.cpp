#include "profiles/profile_keys.h"

#include <algorithm>

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

int SectionCount(ProfileSection section) {
  switch (section) {
    case ProfileSection::Channel:
      return kChannelCount;
    case ProfileSection::DatBound:
      return kSensorTypeCount;
    default:
      return 1;
  }
}

// EveryKeyPlace walks each section once: a section's keys stand together in the table.
static_assert([] {
  for (std::size_t i = 1; i < kProfileKeys.size(); ++i) {
    if (kProfileKeys[i].section == kProfileKeys[i - 1].section) continue;
    for (std::size_t j = 0; j < i; ++j) {
      if (kProfileKeys[j].section == kProfileKeys[i].section) return false;
    }
  }
  return true;
}());

std::vector<KeyPlace> EveryKeyPlace() {
  std::vector<KeyPlace> places;
  for (auto first = kProfileKeys.begin(); first != kProfileKeys.end();) {
    const auto end = std::find_if(first, kProfileKeys.end(), [&](const ProfileKey& key) {
      return key.section != first->section;
    });
    for (int index = 0; index < SectionCount(first->section); ++index) {
      for (auto key = first; key != end; ++key) places.push_back({&*key, index});
    }
    first = end;
  }
  return places;
}

}  // namespace profile

bool HoldsProfileSection(const IniDocument& document) {
  using enum profile::ProfileSection;
  for (const auto section : {Channel, Rele, Grad, Definition, Gen, Err, Graf, DatBound}) {
    for (int index = 0; index < profile::SectionCount(section); ++index) {
      if (document.hasSection(profile::SectionName(section, index))) return true;
    }
  }
  return false;
}

}  // namespace zorkan
