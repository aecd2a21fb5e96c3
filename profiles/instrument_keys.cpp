#include "profiles/instrument_keys.h"

#include <algorithm>
#include <variant>

namespace zorkan {

namespace {

using namespace profile;
using enum ProfileSection;

constexpr auto kChannelKeys = SectionKeys(
    Channel, {"dat",      "diap_max",     "diap_min", "adj",      "flag",  "ns",     "shift",
              "th_type1", "th_type2",     "th1",      "th2",      "his1",  "his2",   "spd_th",
              "spd_his",  "koef0",        "koef1",    "koef2",    "koef3", "search", "point",
              "use",      "ver_rel_proc", "reg_int",  "pulse_int"});
constexpr auto kRelayKeys = SectionKeys(Rele, {"rel0_msk0", "rel0_msk1", "rel1_msk0", "rel1_msk1"});
// The "ERR" section follows "GEN" in a saved profile.
constexpr const ProfileKey* kGeneralKeys[] = {
    FindProfileKey(Gen, "proc_ver"),
    FindProfileKey(Gen, "otk_type"),
    FindProfileKey(Err, "err_ver"),
};
constexpr const ProfileKey* kOnlyReadKey = FindProfileKey(Gen, "otk_type");

std::vector<KeyPlace> AllReadKeyPlaces() {
  std::vector<KeyPlace> places;
  for (int channel = 0; channel < kChannelCount; ++channel) {
    for (const ProfileKey* key : kChannelKeys) places.push_back({key, channel});
  }
  for (const ProfileKey* key : kRelayKeys) places.push_back({key, 0});
  for (const ProfileKey* key : kGeneralKeys) places.push_back({key, 0});
  return places;
}

}  // namespace

const std::vector<KeyPlace>& ReadKeyPlaces() {
  static const std::vector<KeyPlace> places = AllReadKeyPlaces();
  return places;
}

const std::vector<KeyPlace>& WrittenKeyPlaces() {
  static const std::vector<KeyPlace> places = [] {
    std::vector<KeyPlace> written = ReadKeyPlaces();
    std::erase_if(written, [](const KeyPlace& place) { return place.key == kOnlyReadKey; });
    return written;
  }();
  return places;
}

void CopyReadSettings(DeviceSettings instrument, DeviceSettings& profile) {
  for (const KeyPlace& place : ReadKeyPlaces()) {
    std::visit([&](auto field) { *field(profile, place.index) = *field(instrument, place.index); },
               place.key->field);
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
