#include <optional>
#include <string>

#include "profiles/profile.h"
#include "profiles/profile_document.h"
#include "profiles/profile_keys.h"

namespace zorkan {

namespace {

using namespace profile;
using enum ProfileSection;

constexpr auto kChannelKeys = SectionKeys(
    Channel, {"dat",    "diap_max", "diap_min",     "adj",      "lin",       "wire",   "flag",
              "ns",     "shift",    "th_type1",     "th_type2", "th1",       "th2",    "his1",
              "his2",   "spd_th",   "spd_his",      "koef0",    "koef1",     "koef2",  "koef3",
              "uref",   "rref",     "ku",           "ku10",     "ki05",      "ki020",  "set_ra",
              "set_rb", "set_ku",   "set_ku10",     "set_ki05", "set_ki020", "search", "point",
              "select", "use",      "ver_rel_proc", "reg_int",  "pulse_int", "text",   "unit"});
constexpr auto kReleKeys = SectionKeys(
    Rele, {"select", "use", "test", "rel0_msk0", "rel0_msk1", "rel1_msk0", "rel1_msk1"});
constexpr auto kGradKeys = SectionKeys(Grad, {"kalib_usr", "kalib_del"});
constexpr auto kDescriptionKeys = SectionKeys(Definition, {"txt0", "txt1", "txt2", "txt3"});
constexpr const ProfileKey* kGeneralKeys[] = {
    FindProfileKey(Gen, "gen_select"), FindProfileKey(Gen, "proc_ver"),
    FindProfileKey(Err, "err_ver"),    FindProfileKey(Gen, "use_max"),
    FindProfileKey(Gen, "otk_type"),   FindProfileKey(Graf, "wr_int"),
};

void WriteKey(IniDocument& profile, const ProfileKey& key, int index, DeviceSettings& model) {
  const std::string section = SectionName(key.section, index);
  if (const auto* integer = std::get_if<IntegerField>(&key.field)) {
    profile.writeInteger(section, key.name, *(*integer)(model, index));
  } else if (const auto* real = std::get_if<RealField>(&key.field)) {
    profile.writeReal(section, key.name, *(*real)(model, index));
  } else {
    profile.writeText(section, key.name, *std::get<TextField>(key.field)(model, index));
  }
}

template <typename Keys>
void WriteKeys(IniDocument& profile, const Keys& keys, int index, DeviceSettings& model) {
  for (const ProfileKey* key : keys) WriteKey(profile, *key, index, model);
}

}  // namespace

void SaveProfileInto(IniDocument& profile, const DeviceSettings& settings) {
  // The key table hands out writable fields; the copy keeps the caller's model out of reach.
  DeviceSettings model = settings;
  for (int channel = 0; channel < kChannelCount; ++channel) {
    WriteKeys(profile, kChannelKeys, channel, model);
  }
  WriteKeys(profile, kReleKeys, 0, model);
  WriteKeys(profile, kGradKeys, 0, model);
  WriteKeys(profile, kDescriptionKeys, 0, model);
  WriteKeys(profile, kGeneralKeys, 0, model);
}

void SaveCompleteProfileInto(IniDocument& profile, const DeviceSettings& settings) {
  DeviceSettings model = settings;
  for (const KeyPlace& place : EveryKeyPlace()) WriteKey(profile, *place.key, place.index, model);
}

bool ReplaceProfile(const IniFile& file, const IniDocument& profile) {
  return file.clearReadOnly() && file.replaceWith(profile);
}

bool SaveProfile(const std::filesystem::path& path, const DeviceSettings& settings) {
  const IniFile file(path);
  // The keys a save does not write stay as the file has them.
  std::optional<IniDocument> profile = file.readDocument();
  if (!profile) return false;
  SaveProfileInto(*profile, settings);
  return ReplaceProfile(file, *profile);
}

}  // namespace zorkan
