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

using S = DeviceSettings;
constexpr auto kChannel = ProfileSection::Channel;
constexpr auto kRele = ProfileSection::Rele;
constexpr auto kGrad = ProfileSection::Grad;
constexpr auto kDefinition = ProfileSection::Definition;
constexpr auto kGen = ProfileSection::Gen;
constexpr auto kErr = ProfileSection::Err;
constexpr auto kGraf = ProfileSection::Graf;
constexpr auto kDatBound = ProfileSection::DatBound;

// "GEN" "dev_type" is absent: only the generated profiles write it and no setting reads it.
inline constexpr ProfileKey kProfileKeys[] = {
    {kChannel, "dat", "17", [](S& s, int i) { return &s.channels[i].sensorType; }},
    {kChannel, "diap_max", "100", [](S& s, int i) { return &s.channels[i].rangeMax; }},
    {kChannel, "diap_min", "0", [](S& s, int i) { return &s.channels[i].rangeMin; }},
    {kChannel, "adj", "1.0", [](S& s, int i) { return &s.channels[i].rangeAdjust; }},
    {kChannel, "lin", "0.2", [](S& s, int i) { return &s.channels[i].lineResistance; }},
    {kChannel, "wire", "3", [](S& s, int i) { return &s.channels[i].wireCount; }},
    {kChannel, "flag", "0", [](S& s, int i) { return &s.channels[i].rootExtraction; }},
    {kChannel, "ns", "0", [](S& s, int i) { return &s.channels[i].averaging; }},
    {kChannel, "shift", "0", [](S& s, int i) { return &s.channels[i].offset; }},
    {kChannel, "th_type1", "0", [](S& s, int i) { return &s.channels[i].setpointType1; }},
    {kChannel, "th_type2", "0", [](S& s, int i) { return &s.channels[i].setpointType2; }},
    {kChannel, "th1", "50", [](S& s, int i) { return &s.channels[i].setpoint1; }},
    {kChannel, "th2", "60", [](S& s, int i) { return &s.channels[i].setpoint2; }},
    {kChannel, "his1", "0.02", [](S& s, int i) { return &s.channels[i].hysteresis1; }},
    {kChannel, "his2", "0.02", [](S& s, int i) { return &s.channels[i].hysteresis2; }},
    {kChannel, "spd_th", "0.1", [](S& s, int i) { return &s.channels[i].setpointStep; }},
    {kChannel, "spd_his", "0.01", [](S& s, int i) { return &s.channels[i].hysteresisStep; }},
    {kChannel, "koef0", "0.0", [](S& s, int i) { return &s.channels[i].polynomial[0]; }},
    {kChannel, "koef1", "0.0", [](S& s, int i) { return &s.channels[i].polynomial[1]; }},
    {kChannel, "koef2", "0.0", [](S& s, int i) { return &s.channels[i].polynomial[2]; }},
    {kChannel, "koef3", "0.0", [](S& s, int i) { return &s.channels[i].polynomial[3]; }},
    {kChannel, "uref", "26.32", [](S& s, int i) { return &s.channels[i].calibration.uref; }},
    {kChannel, "rref", "7491.0", [](S& s, int i) { return &s.channels[i].calibration.rref; }},
    {kChannel, "ku", "94.44", [](S& s, int i) { return &s.channels[i].calibration.ku; }},
    {kChannel, "ku10", "9.43", [](S& s, int i) { return &s.channels[i].calibration.ku10; }},
    {kChannel, "ki05", "18.43", [](S& s, int i) { return &s.channels[i].calibration.ki05; }},
    {kChannel, "ki020", "18.43", [](S& s, int i) { return &s.channels[i].calibration.ki020; }},
    {kChannel, "set_ra", "40.0",
     [](S& s, int i) { return &s.channels[i].calibrationReferences.setRa; }},
    {kChannel, "set_rb", "300.0",
     [](S& s, int i) { return &s.channels[i].calibrationReferences.setRb; }},
    {kChannel, "set_ku", "100.0",
     [](S& s, int i) { return &s.channels[i].calibrationReferences.setKu; }},
    {kChannel, "set_ku10", "10.0",
     [](S& s, int i) { return &s.channels[i].calibrationReferences.setKu10; }},
    {kChannel, "set_ki05", "5.0",
     [](S& s, int i) { return &s.channels[i].calibrationReferences.setKi05; }},
    {kChannel, "set_ki020", "20.0",
     [](S& s, int i) { return &s.channels[i].calibrationReferences.setKi020; }},
    {kChannel, "search", "2", [](S& s, int i) { return &s.channels[i].observations; }},
    {kChannel, "point", "1", [](S& s, int i) { return &s.channels[i].decimals; }},
    {kChannel, "select", "1", [](S& s, int i) { return &s.channels[i].selected; }},
    {kChannel, "use", "0", [](S& s, int i) { return &s.channels[i].channelEnable; }},
    {kChannel, "ver_rel_proc", "1", [](S& s, int i) { return &s.channels[i].relayProcessing; }},
    {kChannel, "reg_int", "30", [](S& s, int i) { return &s.channels[i].regulationInterval; }},
    {kChannel, "pulse_int", "5", [](S& s, int i) { return &s.channels[i].pulseInterval; }},
    {kChannel, "text", "Канал %u", [](S& s, int i) { return &s.channels[i].channelText; }},
    {kChannel, "unit", "<....>", [](S& s, int i) { return &s.channels[i].unitText; }},

    {kRele, "select", "1", [](S& s, int) { return &s.relays.relaySelected; }},
    {kRele, "use", "1", [](S& s, int) { return &s.relays.use; }},
    {kRele, "test", "0", [](S& s, int) { return &s.relays.test; }},
    {kRele, "rel0_msk0", "0", [](S& s, int) { return &s.relays.relayMask[0][0]; }},
    {kRele, "rel0_msk1", "0", [](S& s, int) { return &s.relays.relayMask[0][1]; }},
    {kRele, "rel1_msk0", "0", [](S& s, int) { return &s.relays.relayMask[1][0]; }},
    {kRele, "rel1_msk1", "0", [](S& s, int) { return &s.relays.relayMask[1][1]; }},

    {kGrad, "kalib_usr", "8", [](S& s, int) { return &s.grad.kalibUsr; }},
    {kGrad, "kalib_del", "90", [](S& s, int) { return &s.grad.kalibDel; }},
    {kGrad, "usr_ref", "8", [](S& s, int) { return &s.grad.usrRef; }},
    {kGrad, "del_ref", "90", [](S& s, int) { return &s.grad.delRef; }},
    {kGrad, "usr_ku", "8", [](S& s, int) { return &s.grad.usrKu; }},
    {kGrad, "del_ku", "40", [](S& s, int) { return &s.grad.delKu; }},
    {kGrad, "usr_ki", "8", [](S& s, int) { return &s.grad.usrKi; }},
    {kGrad, "del_ki", "40", [](S& s, int) { return &s.grad.delKi; }},
    {kGrad, "rref_min", "5000.0", [](S& s, int) { return &s.grad.rrefMin; }},
    {kGrad, "rref_max", "9000.0", [](S& s, int) { return &s.grad.rrefMax; }},
    {kGrad, "uref_min", "18.0", [](S& s, int) { return &s.grad.urefMin; }},
    {kGrad, "uref_max", "32.0", [](S& s, int) { return &s.grad.urefMax; }},
    {kGrad, "ku_min", "75.0", [](S& s, int) { return &s.grad.kuMin; }},
    {kGrad, "ku_max", "115.0", [](S& s, int) { return &s.grad.kuMax; }},
    {kGrad, "ku10_min", "7.5", [](S& s, int) { return &s.grad.ku10Min; }},
    {kGrad, "ku10_max", "11.5", [](S& s, int) { return &s.grad.ku10Max; }},
    {kGrad, "ki05_min", "14.0", [](S& s, int) { return &s.grad.ki05Min; }},
    {kGrad, "ki05_max", "22.0", [](S& s, int) { return &s.grad.ki05Max; }},
    {kGrad, "ki020_min", "14.0", [](S& s, int) { return &s.grad.ki020Min; }},
    {kGrad, "ki020_max", "22.0", [](S& s, int) { return &s.grad.ki020Max; }},
    {kGrad, "wr_grad_immid", "1", [](S& s, int) { return &s.grad.writeImmediately; }},

    {kDefinition, "txt0", "Прибор ЗОРКАН74Х Н. Описение настроек текущего профиля.",
     [](S& s, int) { return &s.description[0]; }},
    {kDefinition, "txt1", "", [](S& s, int) { return &s.description[1]; }},
    {kDefinition, "txt2", "", [](S& s, int) { return &s.description[2]; }},
    {kDefinition, "txt3", "", [](S& s, int) { return &s.description[3]; }},

    {kGen, "gen_select", "1", [](S& s, int) { return &s.general.generalSelected; }},
    {kGen, "proc_ver", "3", [](S& s, int) { return &s.general.deviceType; }},
    {kGen, "use_max", "0", [](S& s, int) { return &s.useMax; }},
    {kGen, "otk_type", "47", [](S& s, int) { return &s.general.qcCode; }},
    {kErr, "err_ver", "1", [](S& s, int) { return &s.general.errorDisplay; }},
    {kGraf, "wr_int", "1", [](S& s, int) { return &s.logInterval; }},

    {kDatBound, "max", &SensorBoundTexts::max, [](S& s, int i) { return &s.sensorBounds[i].max; }},
    {kDatBound, "min", &SensorBoundTexts::min, [](S& s, int i) { return &s.sensorBounds[i].min; }},
    {kDatBound, "pogr", &SensorBoundTexts::pogr,
     [](S& s, int i) { return &s.sensorBounds[i].pogr; }},
};

// The default of `key` in the channel or sensor type `index`.
std::string DefaultTextOf(const ProfileKey& key, int index);

// A key and the channel or sensor type whose section it is read from or written to.
struct KeyPlace {
  const ProfileKey* key;
  int index;
};

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
