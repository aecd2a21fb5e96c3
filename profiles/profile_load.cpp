#include <charconv>

#include "profiles/generated_profiles.h"
#include "ini/ini_file.h"
#include "profiles/profile.h"
#include "profiles/profile_keys.h"

namespace zorkan {

namespace {

using namespace profile;
using enum ProfileSection;

constexpr auto kChannelKeys = SectionKeys(
    Channel,
    {"dat",    "diap_max", "diap_min",  "lin",      "adj",          "wire",    "flag",
     "ns",     "shift",    "th_type1",  "th_type2", "th1",          "th2",     "his1",
     "his2",   "spd_th",   "spd_his",   "koef0",    "koef1",        "koef2",   "koef3",
     "search", "use",      "point",     "select",   "ver_rel_proc", "reg_int", "pulse_int",
     "text",   "unit",     "uref",      "rref",     "ku",           "ku10",    "ki05",
     "ki020",  "set_ki05", "set_ki020", "set_ku",   "set_ku10",     "set_ra",  "set_rb"});
constexpr auto kReleKeys = SectionKeys(
    Rele, {"select", "use", "test", "rel0_msk0", "rel0_msk1", "rel1_msk0", "rel1_msk1"});
constexpr auto kGradProcedureKeys = SectionKeys(
    Grad,
    {"kalib_usr", "kalib_del", "usr_ref", "del_ref", "usr_ku", "del_ku", "usr_ki", "del_ki"});
constexpr auto kDescriptionKeys = SectionKeys(Definition, {"txt0", "txt1", "txt2", "txt3"});
constexpr auto kErrKeys = SectionKeys(Err, {"err_ver"});
constexpr auto kGenKeys = SectionKeys(Gen, {"proc_ver", "gen_select", "use_max"});
constexpr const ProfileKey* kWriteImmediatelyKey = FindProfileKey(Grad, "wr_grad_immid");
constexpr const ProfileKey* kQcCodeKey = FindProfileKey(Gen, "otk_type");
constexpr auto kGradLimitKeys =
    SectionKeys(Grad, {"rref_min", "rref_max", "uref_min", "uref_max", "ku_min", "ku_max",
                        "ku10_min", "ku10_max", "ki05_min", "ki05_max", "ki020_min", "ki020_max"});
constexpr auto kSensorBoundKeys = SectionKeys(DatBound, {"max", "min", "pogr"});
constexpr auto kGrafKeys = SectionKeys(Graf, {"wr_int"});

std::int32_t ReadInteger(const IniFile& ini, const ProfileKey& key, int index) {
  const std::string defaultText = DefaultTextOf(key, index);
  std::int32_t defaultValue = 0;
  std::from_chars(defaultText.data(), defaultText.data() + defaultText.size(), defaultValue);
  return ini.readInteger(SectionName(key.section, index), key.name, defaultValue);
}

void ReadKey(const IniFile& ini, const ProfileKey& key, int index, DeviceSettings& settings) {
  if (const auto* integer = std::get_if<IntegerField>(&key.field)) {
    *(*integer)(settings, index) = ReadInteger(ini, key, index);
  } else if (const auto* real = std::get_if<RealField>(&key.field)) {
    ini.readReal(SectionName(key.section, index), key.name, DefaultTextOf(key, index),
                 *(*real)(settings, index));
  } else {
    *std::get<TextField>(key.field)(settings, index) =
        ini.readText(SectionName(key.section, index), key.name, DefaultTextOf(key, index));
  }
}

template <typename Keys>
void ReadKeys(const IniFile& ini, const Keys& keys, int index, DeviceSettings& settings) {
  for (const ProfileKey* key : keys) ReadKey(ini, *key, index, settings);
}

bool WriteInteger(IniFile& ini, const ProfileKey& key, std::int32_t value) {
  return ini.writeInteger(SectionName(key.section, 0), key.name, value);
}

}  // namespace

bool LoadProfile(const std::filesystem::path& path, DeviceSettings& settings) {
  IniFile ini(path);
  if (!ini.exists() && !WriteDefaultProfile(ini)) return false;

  for (int channel = 0; channel < kChannelCount; ++channel) {
    ReadKeys(ini, kChannelKeys, channel, settings);
  }
  ReadKeys(ini, kReleKeys, 0, settings);
  ReadKeys(ini, kGradProcedureKeys, 0, settings);
  ReadKeys(ini, kDescriptionKeys, 0, settings);
  ReadKeys(ini, kErrKeys, 0, settings);
  ReadKeys(ini, kGenKeys, 0, settings);

  // Whatever a profile says, immediate write-back of calibration results is on again after a load.
  ReadKey(ini, *kWriteImmediatelyKey, 0, settings);
  if (!WriteInteger(ini, *kWriteImmediatelyKey, 1)) return false;

  // Written back so that a file lacking the code gets one; the model takes it only once the file
  // holds it, so a refused write leaves the code and every later setting as they were.
  const std::int32_t qcCode = ReadInteger(ini, *kQcCodeKey, 0);
  if (!WriteInteger(ini, *kQcCodeKey, qcCode)) return false;
  *std::get<IntegerField>(kQcCodeKey->field)(settings, 0) = qcCode;

  ReadKeys(ini, kGradLimitKeys, 0, settings);
  for (int code = 0; code < kSensorTypeCount; ++code) {
    ReadKeys(ini, kSensorBoundKeys, code, settings);
  }
  ReadKeys(ini, kGrafKeys, 0, settings);
  return true;
}

}  // namespace zorkan
