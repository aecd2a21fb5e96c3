#pragma once
// Every key a profile carries: its section, the setting it fills and the text a missing key gives.
// The load, the save and the generated profiles each walk their own lists of these keys, so a name
// is spelt once here and a misspelt name in a list does not compile.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "settings/device_settings.h"

namespace zorkan::profile {

enum class ProfileSection { Channel, Rele, Grad, Definition, Gen, Err, Graf, DatBound };

// `index` is the channel index for the channel sections ("CH1", "CH2") and the sensor type code
// for the limit sections ("Dat_bound0".."Dat_bound24"); the other sections ignore it.
std::string SectionName(ProfileSection section, int index);

using IntegerField = std::int32_t* (*)(DeviceSettings&, int index);
using RealField = float* (*)(DeviceSettings&, int index);
using TextField = std::string* (*)(DeviceSettings&, int index);
using ProfileField = std::variant<IntegerField, RealField, TextField>;

// The limits of one sensor type as the generated profiles write them and a load that lacks them
// assumes.
struct SensorBoundTexts {
  std::string_view max;
  std::string_view min;
  std::string_view pogr;
};

inline constexpr std::array<SensorBoundTexts, kSensorTypeCount> kSensorBoundTexts{{
    {"200.0", "-50.0", "0.25"},  // 0
    {"200.0", "-50.0", "0.25"},  // 1
    {"200.0", "-50.0", "0.25"},  // 2
    {"200.0", "-50.0", "0.25"},  // 3
    {"200.0", "-50.0", "0.25"},  // 4
    {"200.0", "-50.0", "0.25"},  // 5
    {"600.0", "-50.0", "0.25"},  // 6
    {"600.0", "-50.0", "0.25"},  // 7
    {"600.0", "-50.0", "0.25"},  // 8
    {"1300.0", "-50.0", "0.5"},  // 9
    {"600.0", "-50.0", "0.5"},   // 10
    {"1700.0", "0.0", "0.5"},    // 11
    {"1700.0", "0.0", "0.5"},    // 12
    {"1800.0", "300.0", "0.5"},  // 13
    {"1100.0", "-50.0", "0.5"},  // 14
    {"2500.0", "0.0", "0.5"},    // 15
    {"400.0", "-50.0", "0.5"},   // 16
    {"100.0", "0.0", "0.25"},    // 17
    {"100.0", "0.0", "0.25"},    // 18
    {"100.0", "0.0", "0.25"},    // 19
    {"100.0", "0.0", "0.25"},    // 20
    {"100.0", "0.0", "0.25"},    // 21
    {"300.0", "0.0", "0.25"},    // 22
    {"100.0", "0.0", "0.25"},    // 23
    {"1300.0", "-50.0", "0.5"},  // 24
}};

// A fixed text ("%u" stands for the channel number), or the sensor type's entry of the limits.
using DefaultText = std::variant<std::string_view, std::string_view SensorBoundTexts::*>;

struct ProfileKey {
  ProfileSection section;
  std::string_view name;
  DefaultText defaultText;
  ProfileField field;
};

// "GEN" "dev_type" is absent: only the generated profiles write it and no setting reads it.
inline constexpr auto kProfileKeys = [] {
  using S = DeviceSettings;
  using enum ProfileSection;
  return std::array{
      ProfileKey{Channel, "dat", "17", [](S& s, int i) { return &s.channels[i].sensorType; }},
      ProfileKey{Channel, "diap_max", "100", [](S& s, int i) { return &s.channels[i].rangeMax; }},
      ProfileKey{Channel, "diap_min", "0", [](S& s, int i) { return &s.channels[i].rangeMin; }},
      ProfileKey{Channel, "adj", "1.0", [](S& s, int i) { return &s.channels[i].rangeAdjust; }},
      ProfileKey{Channel, "lin", "0.2", [](S& s, int i) { return &s.channels[i].lineResistance; }},
      ProfileKey{Channel, "wire", "3", [](S& s, int i) { return &s.channels[i].wireCount; }},
      ProfileKey{Channel, "flag", "0", [](S& s, int i) { return &s.channels[i].rootExtraction; }},
      ProfileKey{Channel, "ns", "0", [](S& s, int i) { return &s.channels[i].averaging; }},
      ProfileKey{Channel, "shift", "0", [](S& s, int i) { return &s.channels[i].offset; }},
      ProfileKey{Channel, "th_type1", "0",
                 [](S& s, int i) { return &s.channels[i].setpointType1; }},
      ProfileKey{Channel, "th_type2", "0",
                 [](S& s, int i) { return &s.channels[i].setpointType2; }},
      ProfileKey{Channel, "th1", "50", [](S& s, int i) { return &s.channels[i].setpoint1; }},
      ProfileKey{Channel, "th2", "60", [](S& s, int i) { return &s.channels[i].setpoint2; }},
      ProfileKey{Channel, "his1", "0.02", [](S& s, int i) { return &s.channels[i].hysteresis1; }},
      ProfileKey{Channel, "his2", "0.02", [](S& s, int i) { return &s.channels[i].hysteresis2; }},
      ProfileKey{Channel, "spd_th", "0.1", [](S& s, int i) { return &s.channels[i].setpointStep; }},
      ProfileKey{Channel, "spd_his", "0.01",
                 [](S& s, int i) { return &s.channels[i].hysteresisStep; }},
      ProfileKey{Channel, "koef0", "0.0", [](S& s, int i) { return &s.channels[i].polynomial[0]; }},
      ProfileKey{Channel, "koef1", "0.0", [](S& s, int i) { return &s.channels[i].polynomial[1]; }},
      ProfileKey{Channel, "koef2", "0.0", [](S& s, int i) { return &s.channels[i].polynomial[2]; }},
      ProfileKey{Channel, "koef3", "0.0", [](S& s, int i) { return &s.channels[i].polynomial[3]; }},
      ProfileKey{Channel, "uref", "26.32",
                 [](S& s, int i) { return &s.channels[i].calibration.uref; }},
      ProfileKey{Channel, "rref", "7491.0",
                 [](S& s, int i) { return &s.channels[i].calibration.rref; }},
      ProfileKey{Channel, "ku", "94.44", [](S& s, int i) { return &s.channels[i].calibration.ku; }},
      ProfileKey{Channel, "ku10", "9.43",
                 [](S& s, int i) { return &s.channels[i].calibration.ku10; }},
      ProfileKey{Channel, "ki05", "18.43",
                 [](S& s, int i) { return &s.channels[i].calibration.ki05; }},
      ProfileKey{Channel, "ki020", "18.43",
                 [](S& s, int i) { return &s.channels[i].calibration.ki020; }},
      ProfileKey{Channel, "set_ra", "40.0",
                 [](S& s, int i) { return &s.channels[i].calibrationReferences.setRa; }},
      ProfileKey{Channel, "set_rb", "300.0",
                 [](S& s, int i) { return &s.channels[i].calibrationReferences.setRb; }},
      ProfileKey{Channel, "set_ku", "100.0",
                 [](S& s, int i) { return &s.channels[i].calibrationReferences.setKu; }},
      ProfileKey{Channel, "set_ku10", "10.0",
                 [](S& s, int i) { return &s.channels[i].calibrationReferences.setKu10; }},
      ProfileKey{Channel, "set_ki05", "5.0",
                 [](S& s, int i) { return &s.channels[i].calibrationReferences.setKi05; }},
      ProfileKey{Channel, "set_ki020", "20.0",
                 [](S& s, int i) { return &s.channels[i].calibrationReferences.setKi020; }},
      ProfileKey{Channel, "search", "2", [](S& s, int i) { return &s.channels[i].observations; }},
      ProfileKey{Channel, "point", "1", [](S& s, int i) { return &s.channels[i].decimals; }},
      ProfileKey{Channel, "select", "1", [](S& s, int i) { return &s.channels[i].selected; }},
      ProfileKey{Channel, "use", "0", [](S& s, int i) { return &s.channels[i].channelEnable; }},
      ProfileKey{Channel, "ver_rel_proc", "1",
                 [](S& s, int i) { return &s.channels[i].relayProcessing; }},
      ProfileKey{Channel, "reg_int", "30",
                 [](S& s, int i) { return &s.channels[i].regulationInterval; }},
      ProfileKey{Channel, "pulse_int", "5",
                 [](S& s, int i) { return &s.channels[i].pulseInterval; }},
      ProfileKey{Channel, "text", "Канал %u",
                 [](S& s, int i) { return &s.channels[i].channelText; }},
      ProfileKey{Channel, "unit", "<....>", [](S& s, int i) { return &s.channels[i].unitText; }},

      ProfileKey{Rele, "select", "1", [](S& s, int) { return &s.relays.relaySelected; }},
      ProfileKey{Rele, "use", "1", [](S& s, int) { return &s.relays.use; }},
      ProfileKey{Rele, "test", "0", [](S& s, int) { return &s.relays.test; }},
      ProfileKey{Rele, "rel0_msk0", "0", [](S& s, int) { return &s.relays.relayMask[0][0]; }},
      ProfileKey{Rele, "rel0_msk1", "0", [](S& s, int) { return &s.relays.relayMask[0][1]; }},
      ProfileKey{Rele, "rel1_msk0", "0", [](S& s, int) { return &s.relays.relayMask[1][0]; }},
      ProfileKey{Rele, "rel1_msk1", "0", [](S& s, int) { return &s.relays.relayMask[1][1]; }},

      ProfileKey{Grad, "kalib_usr", "8", [](S& s, int) { return &s.grad.kalibUsr; }},
      ProfileKey{Grad, "kalib_del", "90", [](S& s, int) { return &s.grad.kalibDel; }},
      ProfileKey{Grad, "usr_ref", "8", [](S& s, int) { return &s.grad.usrRef; }},
      ProfileKey{Grad, "del_ref", "90", [](S& s, int) { return &s.grad.delRef; }},
      ProfileKey{Grad, "usr_ku", "8", [](S& s, int) { return &s.grad.usrKu; }},
      ProfileKey{Grad, "del_ku", "40", [](S& s, int) { return &s.grad.delKu; }},
      ProfileKey{Grad, "usr_ki", "8", [](S& s, int) { return &s.grad.usrKi; }},
      ProfileKey{Grad, "del_ki", "40", [](S& s, int) { return &s.grad.delKi; }},
      ProfileKey{Grad, "rref_min", "5000.0", [](S& s, int) { return &s.grad.rrefMin; }},
      ProfileKey{Grad, "rref_max", "9000.0", [](S& s, int) { return &s.grad.rrefMax; }},
      ProfileKey{Grad, "uref_min", "18.0", [](S& s, int) { return &s.grad.urefMin; }},
      ProfileKey{Grad, "uref_max", "32.0", [](S& s, int) { return &s.grad.urefMax; }},
      ProfileKey{Grad, "ku_min", "75.0", [](S& s, int) { return &s.grad.kuMin; }},
      ProfileKey{Grad, "ku_max", "115.0", [](S& s, int) { return &s.grad.kuMax; }},
      ProfileKey{Grad, "ku10_min", "7.5", [](S& s, int) { return &s.grad.ku10Min; }},
      ProfileKey{Grad, "ku10_max", "11.5", [](S& s, int) { return &s.grad.ku10Max; }},
      ProfileKey{Grad, "ki05_min", "14.0", [](S& s, int) { return &s.grad.ki05Min; }},
      ProfileKey{Grad, "ki05_max", "22.0", [](S& s, int) { return &s.grad.ki05Max; }},
      ProfileKey{Grad, "ki020_min", "14.0", [](S& s, int) { return &s.grad.ki020Min; }},
      ProfileKey{Grad, "ki020_max", "22.0", [](S& s, int) { return &s.grad.ki020Max; }},
      ProfileKey{Grad, "wr_grad_immid", "1", [](S& s, int) { return &s.grad.writeImmediately; }},

      ProfileKey{Definition, "txt0", "Прибор ЗОРКАН74Х Н. Описение настроек текущего профиля.",
                 [](S& s, int) { return &s.description[0]; }},
      ProfileKey{Definition, "txt1", "", [](S& s, int) { return &s.description[1]; }},
      ProfileKey{Definition, "txt2", "", [](S& s, int) { return &s.description[2]; }},
      ProfileKey{Definition, "txt3", "", [](S& s, int) { return &s.description[3]; }},

      ProfileKey{Gen, "gen_select", "1", [](S& s, int) { return &s.general.generalSelected; }},
      ProfileKey{Gen, "proc_ver", "3", [](S& s, int) { return &s.general.deviceType; }},
      ProfileKey{Gen, "use_max", "0", [](S& s, int) { return &s.useMax; }},
      ProfileKey{Gen, "otk_type", "47", [](S& s, int) { return &s.general.qcCode; }},
      ProfileKey{Err, "err_ver", "1", [](S& s, int) { return &s.general.errorDisplay; }},
      ProfileKey{Graf, "wr_int", "1", [](S& s, int) { return &s.logInterval; }},

      ProfileKey{DatBound, "max", &SensorBoundTexts::max,
                 [](S& s, int i) { return &s.sensorBounds[i].max; }},
      ProfileKey{DatBound, "min", &SensorBoundTexts::min,
                 [](S& s, int i) { return &s.sensorBounds[i].min; }},
      ProfileKey{DatBound, "pogr", &SensorBoundTexts::pogr,
                 [](S& s, int i) { return &s.sensorBounds[i].pogr; }},
  };
}();

// The default of `key` in the channel or sensor type `index`.
std::string DefaultTextOf(const ProfileKey& key, int index);

// How many sections of this kind a profile has: one per channel, one per sensor type, else one.
int SectionCount(ProfileSection section);

// A key and the channel or sensor type whose section it is read from or written to.
struct KeyPlace {
  const ProfileKey* key;
  int index;
};

// Every key of the table in every section it stands in, section by section as a profile lays
// them out: channel 1's keys, channel 2's, "RELE", ..., "Dat_bound0" to "Dat_bound24".
std::vector<KeyPlace> EveryKeyPlace();

// Throwing makes a lookup that finds nothing no constant expression: a misspelt name in an order
// list stops the build.
consteval const ProfileKey* FindProfileKey(ProfileSection section, std::string_view name) {
  for (const ProfileKey& key : kProfileKeys) {
    if (key.section == section && key.name == name) return &key;
  }
  throw "no profile key of this name in this section";
}

// The keys of one section, named in the order given.
template <std::size_t N>
consteval std::array<const ProfileKey*, N> SectionKeys(ProfileSection section,
                                                       const std::string_view (&names)[N]) {
  std::array<const ProfileKey*, N> keys{};
  for (std::size_t i = 0; i < N; ++i) keys[i] = FindProfileKey(section, names[i]);
  return keys;
}

}  // namespace zorkan::profile
