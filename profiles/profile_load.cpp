#include <charconv>
#include <optional>
#include <string>
#include <utility>

#include "profiles/instrument_keys.h"
#include "profiles/profile.h"
#include "profiles/profile_document.h"
#include "profiles/profile_keys.h"

namespace zorkan {

namespace {

using namespace profile;
using enum ProfileSection;

constexpr auto kChannelKeys = SectionKeys(
    Channel, {"dat",    "diap_max", "diap_min",  "lin",      "adj",          "wire",    "flag",
              "ns",     "shift",    "th_type1",  "th_type2", "th1",          "th2",     "his1",
              "his2",   "spd_th",   "spd_his",   "koef0",    "koef1",        "koef2",   "koef3",
              "search", "use",      "point",     "select",   "ver_rel_proc", "reg_int", "pulse_int",
              "text",   "unit",     "uref",      "rref",     "ku",           "ku10",    "ki05",
              "ki020",  "set_ki05", "set_ki020", "set_ku",   "set_ku10",     "set_ra",  "set_rb"});
constexpr auto kReleKeys = SectionKeys(
    Rele, {"select", "use", "test", "rel0_msk0", "rel0_msk1", "rel1_msk0", "rel1_msk1"});
constexpr auto kGradProcedureKeys = SectionKeys(
    Grad, {"kalib_usr", "kalib_del", "usr_ref", "del_ref", "usr_ku", "del_ku", "usr_ki", "del_ki"});
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

std::int32_t ReadInteger(const IniDocument& profile, const ProfileKey& key, int index) {
  const std::string defaultText = DefaultTextOf(key, index);
  std::int32_t defaultValue = 0;
  std::from_chars(defaultText.data(), defaultText.data() + defaultText.size(), defaultValue);
  return profile.readInteger(SectionName(key.section, index), key.name, defaultValue);
}

void ReadKey(const IniDocument& profile, const ProfileKey& key, int index,
             DeviceSettings& settings) {
  if (const auto* integer = std::get_if<IntegerField>(&key.field)) {
    *(*integer)(settings, index) = ReadInteger(profile, key, index);
  } else if (const auto* real = std::get_if<RealField>(&key.field)) {
    profile.readReal(SectionName(key.section, index), key.name, DefaultTextOf(key, index),
                     *(*real)(settings, index));
  } else {
    *std::get<TextField>(key.field)(settings, index) =
        profile.readText(SectionName(key.section, index), key.name, DefaultTextOf(key, index));
  }
}

template <typename Keys>
void ReadKeys(const IniDocument& profile, const Keys& keys, int index, DeviceSettings& settings) {
  for (const ProfileKey* key : keys) ReadKey(profile, *key, index, settings);
}

void WriteInteger(IniDocument& profile, const ProfileKey& key, std::int32_t value) {
  profile.writeInteger(SectionName(key.section, 0), key.name, value);
}

}  // namespace

void LoadProfileFrom(IniDocument& profile, DeviceSettings& settings) {
  for (int channel = 0; channel < kChannelCount; ++channel) {
    ReadKeys(profile, kChannelKeys, channel, settings);
  }
  ReadKeys(profile, kReleKeys, 0, settings);
  ReadKeys(profile, kGradProcedureKeys, 0, settings);
  ReadKeys(profile, kDescriptionKeys, 0, settings);
  ReadKeys(profile, kErrKeys, 0, settings);
  ReadKeys(profile, kGenKeys, 0, settings);

  // Whatever a profile says, immediate write-back of calibration results is on again after a load.
  ReadKey(profile, *kWriteImmediatelyKey, 0, settings);
  WriteInteger(profile, *kWriteImmediatelyKey, 1);
  // Written back so that a file lacking the code gets one.
  ReadKey(profile, *kQcCodeKey, 0, settings);
  WriteInteger(profile, *kQcCodeKey, settings.general.qcCode);

  ReadKeys(profile, kGradLimitKeys, 0, settings);
  for (int code = 0; code < kSensorTypeCount; ++code) {
    ReadKeys(profile, kSensorBoundKeys, code, settings);
  }
  ReadKeys(profile, kGrafKeys, 0, settings);
}

void LoadExistingProfile(const IniFile& file, IniDocument profile, DeviceSettings& settings) {
  const std::string loaded = profile.bytes();
  // Any file loads, but only a profile gets the write-backs: another program's file, or garbage,
  // picked by mistake must come out of the load as it went in.
  const bool isProfile = HoldsProfileSection(profile);
  LoadProfileFrom(profile, settings);
  // A profile that cannot be written loads all the same; only its write-backs are lost.
  if (isProfile && profile.bytes() != loaded) (void)file.replaceWith(profile);
}

bool LoadProfile(const std::filesystem::path& path, DeviceSettings& settings) {
  std::vector<profile::KeyPlace> missing;
  return LoadProfile(path, settings, missing);
}

bool LoadProfile(const std::filesystem::path& path, DeviceSettings& settings,
                 std::vector<profile::KeyPlace>& missingWrittenKeys) {
  missingWrittenKeys.clear();
  const IniFile file(path);
  if (file.exists()) {
    std::optional<IniDocument> content = file.readDocument();
    // A file that is there but cannot be read has no settings to give: loading it as defaults
    // would show them as if they were the profile's.
    if (!content) return false;
    missingWrittenKeys = MissingWrittenKeys(*content);
    LoadExistingProfile(file, std::move(*content), settings);
    return true;
  }
  IniDocument profile = DefaultProfile();
  if (!file.replaceWith(profile)) return false;
  // The default profile holds what the write-backs write: the file stays as written.
  LoadProfileFrom(profile, settings);
  return true;
}

}  // namespace zorkan
