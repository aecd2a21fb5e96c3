#include "profiles/profile_difference.h"

#include "ini/number_text.h"

namespace zorkan {

namespace {

using namespace profile;

// The key table hands out writable fields: `model` is a copy.
std::string ValueText(const ProfileKey& key, int index, DeviceSettings& model) {
  if (const auto* integer = std::get_if<IntegerField>(&key.field)) {
    return std::to_string(*(*integer)(model, index));
  }
  if (const auto* real = std::get_if<RealField>(&key.field)) {
    std::string text = FormatFixed(*(*real)(model, index));
    text.erase(0, text.find_first_not_of(' '));
    return text;
  }
  return *std::get<TextField>(key.field)(model, index);
}

}  // namespace

std::vector<ProfileKeyDifference> DifferingKeys(const DeviceSettings& first,
                                                const DeviceSettings& second,
                                                std::span<const KeyPlace> places) {
  DeviceSettings firstModel = first;
  DeviceSettings secondModel = second;
  std::vector<ProfileKeyDifference> differences;
  for (const auto& [key, index] : places) {
    std::string firstValue = ValueText(*key, index, firstModel);
    std::string secondValue = ValueText(*key, index, secondModel);
    if (firstValue == secondValue) continue;
    differences.push_back({SectionName(key->section, index), std::string(key->name),
                           std::move(firstValue), std::move(secondValue)});
  }
  return differences;
}

std::vector<ProfileKeyDifference> DifferingProfileKeys(const DeviceSettings& first,
                                                       const DeviceSettings& second) {
  return DifferingKeys(first, second, EveryKeyPlace());
}

}  // namespace zorkan
