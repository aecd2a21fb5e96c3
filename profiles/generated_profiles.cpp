// The profiles the tool writes by itself: the default profile that a load writes where no file
// exists, and the built-in ZORKAN740_PID.prf.
#include <algorithm>
#include <optional>
#include <variant>
#include <vector>

#include "profiles/profile.h"
#include "profiles/profile_document.h"
#include "profiles/profile_keys.h"

namespace zorkan {

namespace profile {

namespace {

using enum ProfileSection;

// Integers go through writeInteger, every other value is written as the literal text given here.
using Value = std::variant<std::int32_t, std::string>;

struct ChannelValues {
  std::string_view key;
  Value channel1;
  Value channel2;
};

struct SectionValue {
  ProfileSection section;
  std::string_view key;
  Value value;
};

// A PID heater regulator on channel 1, relay 1 driving the heater.
const ChannelValues kDefaultChannels[] = {
    {"dat", 17, 17},
    {"diap_max", "100", "100"},
    {"diap_min", "0", "0"},
    {"adj", "1.0", "1.0"},
    {"lin", "0.2", "0.2"},
    {"wire", 3, 3},
    {"flag", 0, 0},
    {"ns", 1, 1},
    {"shift", "0", "0"},
    {"th_type1", 0, 2},
    {"th_type2", 0, 0},
    {"th1", "40", "50"},
    {"th2", "555", "0"},
    {"his1", "5.0", "1.0"},
    {"his2", "0.50", "0.5"},
    {"spd_th", "1.0", "1.0"},
    {"spd_his", "0.1", "0.1"},
    {"koef0", "1.0", "0"},
    {"koef1", "444.0", "0"},
    {"koef2", "4.4", "0"},
    {"koef3", "1.0", "0"},
    {"search", 2, 2},
    {"point", 1, 1},
    {"use", 1, 1},
    {"ver_rel_proc", 0, 0},
    {"reg_int", 30, 2},
    {"pulse_int", 10, 2},
    {"text", "Канал 1", "Канал 2"},
    {"unit", "<....>", "<....>"},
    {"select", 1, 1},
    {"uref", "26.32", "26.32"},
    {"rref", "7491.0", "7491.0"},
    {"ku", "94.44", "94.44"},
    {"ku10", "9.43", "9.43"},
    {"ki05", "18.43", "18.43"},
    {"ki020", "18.43", "18.43"},
    {"set_ra", "40.0", "40.0"},
    {"set_rb", "300.0", "300.0"},
    {"set_ki05", "5.0", "5.0"},
    {"set_ki020", "20.0", "20.0"},
    {"set_ku", "100.0", "100.0"},
    {"set_ku10", "10.0", "10.0"},
};

// After the channels, up to the sensor limits.
const SectionValue kDefaultGeneral[] = {
    {Rele, "select", 1},
    {Rele, "test", 0},
    {Rele, "use", 1},
    {Rele, "rel0_msk0", 16},
    {Rele, "rel0_msk1", 0},
    {Rele, "rel1_msk0", 0},
    {Rele, "rel1_msk1", 1},
    {Grad, "kalib_usr", 8},
    {Grad, "kalib_del", 180},
    {Err, "err_ver", 1},
    {Gen, "gen_select", 1},
    {Gen, "proc_ver", 3},
    {Gen, "use_max", 1},
    {Gen, "dev_type", 47},
    {Gen, "otk_type", 47},
    {Definition, "txt0",
     "Прибор ЗОРКАН 740 НР. Одноканальный прибор с ПИД управлением нагревателем."},
    {Definition, "txt1", "Реле 1 включает нагреватель, реле 2 - назначено на уставку."},
    {Definition, "txt2", ""},
    {Definition, "txt3", ""},
    {Grad, "rref_min", "5000.0"},
    {Grad, "rref_max", "9000.0"},
    {Grad, "uref_min", "18.0"},
    {Grad, "uref_max", "32.0"},
    {Grad, "ku_min", "75.0"},
    {Grad, "ku_max", "115.0"},
    {Grad, "ku10_min", "7.5"},
    {Grad, "ku10_max", "11.5"},
    {Grad, "ki05_min", "14.0"},
    {Grad, "ki05_max", "22.0"},
    {Grad, "ki020_min", "14.0"},
    {Grad, "ki020_max", "22.0"},
    {Grad, "usr_ref", 8},
    {Grad, "usr_ku", 8},
    {Grad, "usr_ki", 8},
    {Grad, "del_ref", 90},
    {Grad, "del_ku", 40},
    {Grad, "del_ki", 40},
    {Grad, "wr_grad_immid", 1},
};

constexpr auto kSensorBoundKeys = SectionKeys(DatBound, {"max", "min", "pogr"});

const SectionValue kDefaultEnd[] = {
    {Graf, "wr_int", 1},
};

// Where the built-in profile differs from the default one; no value: the key is not written.
struct Change {
  ProfileSection section;
  int index;
  std::string_view key;
  std::optional<Value> value;
};

const Change kBuiltinChanges[] = {
    {Channel, 0, "his2", "0.5"},
    {Channel, 0, "reg_int", 2},
    {Channel, 0, "pulse_int", 2},
    {Grad, 0, "kalib_del", 90},
    {Err, 0, "err_ver", 0},
    {Gen, 0, "use_max", 0},
    {Gen, 0, "otk_type", std::nullopt},
    {Definition, 0, "txt0",
     "Прибор ЗОРКАН 740 НР ПИД. Одноканальный прибор с ПИД управлением нагревателем."},
    {Definition, 0, "txt1", "Реле 1 включает нагреватель, реле 2 - дополнительная уставка."},
};

struct GeneratedKey {
  std::string section;
  std::string_view key;
  Value value;
};

std::vector<GeneratedKey> DefaultProfileKeys() {
  std::vector<GeneratedKey> keys;
  for (int channel = 0; channel < kChannelCount; ++channel) {
    for (const ChannelValues& values : kDefaultChannels) {
      keys.push_back({SectionName(Channel, channel), values.key,
                      channel == 0 ? values.channel1 : values.channel2});
    }
  }
  for (const SectionValue& value : kDefaultGeneral) {
    keys.push_back({SectionName(value.section, 0), value.key, value.value});
  }
  for (int code = 0; code < kSensorTypeCount; ++code) {
    for (const ProfileKey* key : kSensorBoundKeys) {
      keys.push_back({SectionName(DatBound, code), key->name, DefaultTextOf(*key, code)});
    }
  }
  for (const SectionValue& value : kDefaultEnd) {
    keys.push_back({SectionName(value.section, 0), value.key, value.value});
  }
  return keys;
}

std::vector<GeneratedKey> BuiltinProfileKeys() {
  std::vector<GeneratedKey> keys = DefaultProfileKeys();
  for (const Change& change : kBuiltinChanges) {
    const std::string section = SectionName(change.section, change.index);
    const auto changed = std::find_if(keys.begin(), keys.end(), [&](const GeneratedKey& key) {
      return key.section == section && key.key == change.key;
    });
    if (changed == keys.end()) continue;
    if (change.value) {
      changed->value = *change.value;
    } else {
      keys.erase(changed);
    }
  }
  return keys;
}

IniDocument ProfileOf(const std::vector<GeneratedKey>& keys) {
  IniDocument profile;
  for (const GeneratedKey& key : keys) {
    if (const auto* integer = std::get_if<std::int32_t>(&key.value)) {
      profile.writeInteger(key.section, key.key, *integer);
    } else {
      profile.writeText(key.section, key.key, std::get<std::string>(key.value));
    }
  }
  return profile;
}

}  // namespace

}  // namespace profile

IniDocument DefaultProfile() {
  return profile::ProfileOf(profile::DefaultProfileKeys());
}

bool WriteBuiltinProfile(const std::filesystem::path& workDir) {
  const IniFile file(BuiltinProfilePath(workDir));
  // The operator may have edited it: an existing one is never touched.
  if (file.exists()) return true;
  return file.replaceWith(profile::ProfileOf(profile::BuiltinProfileKeys()));
}

}  // namespace zorkan
