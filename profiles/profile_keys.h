#pragma once
// The key table: one row for every setting of DeviceSettings, saying what it takes part in (a
// whole read and a whole write of the instrument, the save and the load of a profile, the profiles
// the tool writes by itself) and, for a setting profiles carry, its key: its section, its name and
// the text a missing key gives. The load, the save, the generated profiles, the keys of the
// instrument's settings and the comparisons all walk these rows, so a key is spelt in this table
// and nowhere else.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "settings/device_settings.h"

namespace zorkan::profile {

// None: the setting is in no profile.
enum class ProfileSection { None, Channel, Rele, Grad, Definition, Gen, Err, Graf, DatBound };

// Every section a profile has, in the order the generated profiles lay them out.
inline constexpr ProfileSection kProfileSections[] = {
    ProfileSection::Channel,  ProfileSection::Rele, ProfileSection::Grad,
    ProfileSection::Err,      ProfileSection::Gen,  ProfileSection::Definition,
    ProfileSection::DatBound, ProfileSection::Graf};

// `index` is the channel index for the channel sections ("CH1", "CH2") and the sensor type code
// for the limit sections ("Dat_bound0".."Dat_bound24"); the other sections ignore it.
std::string SectionName(ProfileSection section, int index);

// How many sections of this kind a profile has: one per channel, one per sensor type, else one.
int SectionCount(ProfileSection section);

// A key without a field is written by the generated profiles only.
using IntegerField = std::int32_t* (*)(DeviceSettings&, int index);
using RealField = float* (*)(DeviceSettings&, int index);
using TextField = std::string* (*)(DeviceSettings&, int index);
using ProfileField = std::variant<std::monostate, IntegerField, RealField, TextField>;

// What a setting takes part in.
using Uses = unsigned;
inline constexpr Uses kRead = 1u << 0;     // a whole read takes it from the instrument
inline constexpr Uses kWritten = 1u << 1;  // a whole write sends it
inline constexpr Uses kSaved = 1u << 2;    // a save writes its key
inline constexpr Uses kLoaded = 1u << 3;   // a load takes it from its key
// A load writes the value it took back into the file, so that a file lacking the key gets one.
inline constexpr Uses kLoadWritesBack = 1u << 4;
// A load writes the default back into the file, whatever the file said; the model keeps what it
// said.
inline constexpr Uses kLoadResets = 1u << 5;
inline constexpr Uses kExchanged = kRead | kWritten;
inline constexpr Uses kKept = kSaved | kLoaded;

// The limits of one sensor type as the generated profiles write them and a load that lacks them
// assumes.
struct SensorBoundTexts {
  std::string_view max;
  std::string_view min;
  std::string_view pogr;
};

// A fixed text ("%u" stands for the channel number), or the sensor type's entry of the limits.
using DefaultText = std::variant<std::string_view, std::string_view SensorBoundTexts::*>;

// What the tool's own profiles write for a key: the default profile (the one a load writes where
// no file is) and the built-in ZORKAN740_PID.prf, which departs from it in a few keys of channel
// 1 and of the single sections. A text not given is the key's default text.
struct Generated {
  int place = 0;  // among the keys of its section in those profiles, from 1; 0: in neither
  std::optional<std::string_view> text;
  std::optional<std::string_view> secondChannelText;  // where channel 2's differs from channel 1's
  std::optional<std::string_view> builtinText;        // where the built-in profile's differs
  bool builtinLacks = false;                          // the built-in profile leaves the key out

  constexpr Generated() = default;
  constexpr explicit Generated(int place) : place(place) {}
  constexpr Generated(int place, std::string_view text) : place(place), text(text) {}
  constexpr Generated(int place, std::string_view channel1, std::string_view channel2)
      : place(place), text(channel1), secondChannelText(channel2) {}

  constexpr Generated inBuiltin(std::string_view builtin) const {
    Generated changed = *this;
    changed.builtinText = builtin;
    return changed;
  }
  constexpr Generated notInBuiltin() const {
    Generated changed = *this;
    changed.builtinLacks = true;
    return changed;
  }
};

// What the operator calls a setting the comparisons show: the caption the pages give its control,
// or a plain name where this edition hides the control or has none. Channel keys have one for each
// channel; in a sensor type's limits "%1" stands for the sensor type's name. Each is marked for the
// window's translations (OPERATOR_TEXT).
struct Captions {
  std::string_view first;
  std::string_view second;

  constexpr Captions() = default;
  constexpr Captions(std::string_view first, std::string_view second = {})
      : first(first), second(second) {}
};

struct ProfileKey {
  ProfileSection section;
  std::string_view name;  // empty for a setting in no profile
  DefaultText defaultText;
  Uses uses;
  Generated generated;
  Captions captions;
  ProfileField field;

  constexpr bool is(Uses use) const { return (uses & use) == use; }
};

// Every row, section by section: "CH1"/"CH2", "RELE", "Grad", "Definition", "GEN", "ERR",
// "GRAF", "Dat_bound0".."Dat_bound24", then the settings in no profile (profile_keys.cpp).
extern const std::span<const ProfileKey> kProfileKeys;

// Calls `use` with the field of `key`, an IntegerField, a RealField or a TextField; a key without a
// field calls nothing.
template <typename Use>
void VisitField(const ProfileKey& key, Use&& use) {
  std::visit(
      [&]<typename Field>(Field field) {
        if constexpr (!std::is_same_v<Field, std::monostate>) use(field);
      },
      key.field);
}

// The first line of a profile's description, as the journal lists an entry by it.
const ProfileKey& FirstDescriptionKey();

// The default of `key` in the channel or sensor type `index`.
std::string DefaultTextOf(const ProfileKey& key, int index);

// A key and the channel or sensor type whose section it is read from or written to.
struct KeyPlace {
  const ProfileKey* key;
  int index;
};

// Every key a load takes in every section it stands in, section by section as a profile lays them
// out: channel 1's keys, channel 2's, "RELE", ..., "Dat_bound0" to "Dat_bound24".
const std::vector<KeyPlace>& EveryKeyPlace();

// The place of the key `key` in the section named `section` ("CH2", "th1"), names compared as
// they are written.
std::optional<KeyPlace> FindKeyPlace(std::string_view section, std::string_view key);

// The caption of the setting at `place`; empty for a setting no profile holds.
std::string CaptionOf(const KeyPlace& place);

// The caption of the key `key` in the section named `section`, as a comparison names the row;
// the section and the key with a blank between for a key the table does not have.
std::string CaptionOfKey(std::string_view section, std::string_view key);

}  // namespace zorkan::profile
