#include "ini/ini_file.h"
#include "profiles/profile.h"
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

bool WriteKey(IniFile& ini, const ProfileKey& key, int index, DeviceSettings& model) {
  const std::string section = SectionName(key.section, index);
  if (const auto* integer = std::get_if<IntegerField>(&key.field)) {
    return ini.writeInteger(section, key.name, *(*integer)(model, index));
  }
  if (const auto* real = std::get_if<RealField>(&key.field)) {
    return ini.writeReal(section, key.name, *(*real)(model, index));
  }
  return ini.writeText(section, key.name, *std::get<TextField>(key.field)(model, index));
}

template <typename Keys>
bool WriteKeys(IniFile& ini, const Keys& keys, int index, DeviceSettings& model) {
  for (const ProfileKey* key : keys) {
    if (!WriteKey(ini, *key, index, model)) return false;
  }
  return true;
}

}  // namespace

bool SaveProfile(const std::filesystem::path& path, const DeviceSettings& settings) {
  IniFile ini(path);
  if (!ini.clearReadOnly()) return false;
  // The key table hands out writable fields; the copy keeps the caller's model out of reach.
  DeviceSettings model = settings;
  for (int channel = 0; channel < kChannelCount; ++channel) {
    if (!WriteKeys(ini, kChannelKeys, channel, model)) return false;
  }
  return WriteKeys(ini, kReleKeys, 0, model) && WriteKeys(ini, kGradKeys, 0, model) &&
         WriteKeys(ini, kDescriptionKeys, 0, model) && WriteKeys(ini, kGeneralKeys, 0, model);
}

}  // namespace zorkan
