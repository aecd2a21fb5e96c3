// The key table against the model and the instrument: every field of the model has exactly one
// row (a field added without one would silently stay out of the load, the save, the comparisons
// and the generated profiles), and the rows a write sends are what a whole write changes.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>

#include "profiles/instrument_keys.h"
#include "profiles/profile_keys.h"
#include "tests/support/settings_printer.h"
#include "tests/support/settings_rig.h"

namespace zorkan {
namespace {

// Fills a model, or any part of it, with values that depend on the seed alone, reaching every
// field without naming one: an aggregate is built from one filler per member, whatever its
// members are. A member of a type not known here stops the build.
struct Filler {
  int seed;
  template <typename T>
  operator T() const;  // into whatever type the member has
};

// The number of members of the aggregate T: the most fillers its braces take.
template <typename T, typename... Fillers>
constexpr std::size_t MemberCount() {
  if constexpr (requires { T{Fillers{0}..., Filler{0}}; }) {
    return MemberCount<T, Fillers..., Filler>();
  } else {
    return sizeof...(Fillers);
  }
}

template <typename T>
struct IsStdArray : std::false_type {};
template <typename T, std::size_t N>
struct IsStdArray<std::array<T, N>> : std::true_type {};

template <typename T>
T Filled(int seed) {
  if constexpr (std::is_same_v<T, std::int32_t>) {
    return 1000 + seed;
  } else if constexpr (std::is_same_v<T, float>) {
    return 0.5f + static_cast<float>(seed);
  } else if constexpr (std::is_same_v<T, std::string>) {
    return "filled " + std::to_string(seed);
  } else if constexpr (IsStdArray<T>::value) {
    T array;
    for (auto& element : array) element = Filled<typename T::value_type>(seed);
    return array;
  } else {
    static_assert(std::is_aggregate_v<T>, "a member of a type this test cannot fill yet");
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
      return T{Filler{(static_cast<void>(I), seed)}...};
    }
    (std::make_index_sequence<MemberCount<T>()>{});
  }
}

template <typename T>
Filler::operator T() const {
  return Filled<T>(seed);
}

TEST(KeyTable, EveryFieldOfTheModelHasExactlyOneRow) {
  const DeviceSettings second = Filled<DeviceSettings>(2);
  DeviceSettings copy = second;  // the key table hands out writable fields
  DeviceSettings first = Filled<DeviceSettings>(1);
  ASSERT_NE(first, second);

  std::set<const void*> fields;
  for (std::size_t row = 0; row < profile::kProfileKeys.size(); ++row) {
    const profile::ProfileKey& key = profile::kProfileKeys[row];
    for (int index = 0; index < profile::SectionCount(key.section); ++index) {
      profile::VisitField(key, [&](auto field) {
        EXPECT_TRUE(fields.insert(field(first, index)).second)
            << "row " << row << " (" << key.name << ", " << index << ") names a field another "
            << "row names";
        *field(first, index) = *field(copy, index);
      });
    }
  }
  EXPECT_EQ(first, second) << "a field of DeviceSettings without a row in the key table "
                              "(profiles/profile_keys.cpp) kept its first value";
}

// A row a whole write sends without kWritten, or one marked so that it never sends, would let a
// profile lacking the key send a default unannounced, or announce a default never sent.
TEST(KeyTable, WrittenRowsAreWhatAWholeWriteChanges) {
  testing::SettingsRig rig;
  ASSERT_EQ(readAllSettings(rig.transfer), kOk);
  const DeviceSettings before = rig.settings;
  for (const auto& [key, index] : ReadKeyPlaces()) {
    if (const auto* integer = std::get_if<profile::IntegerField>(&key->field)) {
      std::int32_t& value = *(*integer)(rig.settings, index);
      value = (value + 1) % 256;
    } else if (const auto* real = std::get_if<profile::RealField>(&key->field)) {
      *(*real)(rig.settings, index) += 1.5f;
    }
  }
  DeviceSettings sent = rig.settings;
  ASSERT_EQ(writeAllSettings(rig.transfer), kOk);
  ASSERT_EQ(readAllSettings(rig.transfer), kOk);

  DeviceSettings after = rig.settings;
  DeviceSettings expected = before;
  for (const auto& [key, index] : ReadKeyPlaces()) {
    profile::VisitField(*key, [&](auto field) {
      if (key->is(profile::kWritten)) *field(expected, index) = *field(sent, index);
      EXPECT_EQ(*field(after, index), *field(expected, index))
          << profile::SectionName(key->section, index) << " " << key->name;
    });
  }
}

}  // namespace
}  // namespace zorkan
