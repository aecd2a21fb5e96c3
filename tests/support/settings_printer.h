#pragma once
// A model in test messages: a line for each section of a profile with the values of its keys, then
// the values that only the instrument gives. Equality is the model's own, which covers every field,
// so a field added later is compared even before it is printed here.

#include <iomanip>
#include <ostream>
#include <variant>

#include "profiles/profile_keys.h"
#include "settings/device_settings.h"

namespace zorkan {

inline void PrintTo(const DeviceSettings& settings, std::ostream* out) {
  using enum profile::ProfileSection;
  DeviceSettings model = settings;  // the key table hands out writable fields
  *out << std::setprecision(9);
  const auto& keys = profile::kProfileKeys;
  for (auto first = keys.begin(); first != keys.end();) {
    auto end = first;
    while (end != keys.end() && end->section == first->section) ++end;
    const int count = first->section == Channel    ? kChannelCount
                      : first->section == DatBound ? kSensorTypeCount
                                                   : 1;
    for (int index = 0; index < count; ++index) {
      *out << "\n[" << profile::SectionName(first->section, index) << ']';
      for (auto key = first; key != end; ++key) {
        *out << ' ' << key->name << '=';
        std::visit([&](auto field) { *out << *field(model, index); }, key->field);
      }
    }
    first = end;
  }
  const GeneralSettings& general = settings.general;
  *out << "\nfirmwareVersion=" << general.firmwareVersion
       << " serialNumber=" << general.serialNumber << " manufactured=" << general.manufactureDay
       << '.' << general.manufactureMonth << '.' << general.manufactureYear;
}

}  // namespace zorkan
