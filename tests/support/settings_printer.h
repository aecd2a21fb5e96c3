#pragma once
// A model in test messages: a line for each section of a profile with the values of its keys, then
// the values that only the instrument gives. Equality is the model's own, which covers every field,
// so a field added later is compared even before it is printed here.

#include <iomanip>
#include <ostream>
#include <string>
#include <utility>

#include "profiles/profile_keys.h"
#include "settings/device_settings.h"

namespace zorkan {

inline void PrintTo(const DeviceSettings& settings, std::ostream* out) {
  DeviceSettings model = settings;  // the key table hands out writable fields
  *out << std::setprecision(9);
  std::string section;
  for (const auto& [key, index] : profile::EveryKeyPlace()) {
    if (std::string name = profile::SectionName(key->section, index); name != section) {
      section = std::move(name);
      *out << "\n[" << section << ']';
    }
    *out << ' ' << key->name << '=';
    profile::VisitField(*key, [&](auto field) { *out << *field(model, index); });
  }
  const GeneralSettings& general = settings.general;
  *out << "\nfirmwareVersion=" << general.firmwareVersion
       << " serialNumber=" << general.serialNumber << " manufactured=" << general.manufactureDay
       << '.' << general.manufactureMonth << '.' << general.manufactureYear;
}

}  // namespace zorkan
