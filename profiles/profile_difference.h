#pragma once
// Which profile keys two models give different values: the comparison of an instrument with a
// profile and the comparison of two journal entries both walk the key table through this.

#include <span>
#include <string>
#include <vector>

#include "profiles/profile_keys.h"
#include "settings/device_settings.h"

namespace zorkan {

// One key the two models give differently, the values in a profile's forms without the blanks
// that align reals ("150.0000", "3"); texts as they are.
struct ProfileKeyDifference {
  std::string section;  // the section and the key as a profile names them
  std::string key;
  std::string firstValue;
  std::string secondValue;
  bool operator==(const ProfileKeyDifference&) const = default;
};

// The keys at `places` whose values differ between `first` and `second`, in the order given.
// Reals are compared as a profile holds them, to four decimals.
std::vector<ProfileKeyDifference> DifferingKeys(const DeviceSettings& first,
                                                const DeviceSettings& second,
                                                std::span<const profile::KeyPlace> places);

// Every key a profile carries, section by section.
std::vector<ProfileKeyDifference> DifferingProfileKeys(const DeviceSettings& first,
                                                       const DeviceSettings& second);

}  // namespace zorkan
