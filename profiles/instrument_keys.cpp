#include "profiles/instrument_keys.h"

#include <algorithm>
#include <iterator>

namespace zorkan {

namespace {

using namespace profile;

std::vector<KeyPlace> PlacesOfKeys(Uses uses) {
  std::vector<KeyPlace> places;
  std::ranges::copy_if(EveryKeyPlace(), std::back_inserter(places),
                       [&](const KeyPlace& place) { return place.key->is(uses); });
  return places;
}

}  // namespace

const std::vector<KeyPlace>& ReadKeyPlaces() {
  static const std::vector<KeyPlace> places = PlacesOfKeys(kRead);
  return places;
}

const std::vector<KeyPlace>& WrittenKeyPlaces() {
  static const std::vector<KeyPlace> places = PlacesOfKeys(kWritten);
  return places;
}

void CopyReadSettings(DeviceSettings instrument, DeviceSettings& profile) {
  for (const KeyPlace& place : ReadKeyPlaces()) {
    VisitField(*place.key,
               [&](auto field) { *field(profile, place.index) = *field(instrument, place.index); });
  }
}

std::string KeyPlaceName(const KeyPlace& place) {
  return SectionName(place.key->section, place.index) + " " + std::string(place.key->name);
}

std::vector<KeyPlace> MissingWrittenKeys(const IniDocument& profile) {
  std::vector<KeyPlace> missing;
  for (const KeyPlace& place : WrittenKeyPlaces()) {
    if (!profile.hasKey(SectionName(place.key->section, place.index), place.key->name)) {
      missing.push_back(place);
    }
  }
  return missing;
}

}  // namespace zorkan
