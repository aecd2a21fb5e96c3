#include "workflows/instrument_comparison.h"

#include "ini/number_text.h"
#include "profiles/profile_keys.h"
#include "workflows/headless_pages.h"
#include "workflows/whole_instrument.h"

namespace zorkan {

namespace {

using namespace profile;
using enum ProfileSection;

// The settings a read takes from the instrument, in the order a saved profile holds them: each
// channel's, the relay masks, the general parameters (the "ERR" section follows "GEN").
constexpr auto kHeldChannelKeys = SectionKeys(
    Channel, {"dat",      "diap_max",     "diap_min", "adj",      "flag",  "ns",     "shift",
              "th_type1", "th_type2",     "th1",      "th2",      "his1",  "his2",   "spd_th",
              "spd_his",  "koef0",        "koef1",    "koef2",    "koef3", "search", "point",
              "use",      "ver_rel_proc", "reg_int",  "pulse_int"});
constexpr auto kHeldRelayKeys =
    SectionKeys(Rele, {"rel0_msk0", "rel0_msk1", "rel1_msk0", "rel1_msk1"});
constexpr const ProfileKey* kHeldGeneralKeys[] = {
    FindProfileKey(Gen, "proc_ver"),
    FindProfileKey(Gen, "otk_type"),
    FindProfileKey(Err, "err_ver"),
};

// The key table hands out writable fields: `model` is a copy. Every held setting is a number.
std::string ValueText(const ProfileKey& key, int index, DeviceSettings& model) {
  if (const auto* integer = std::get_if<IntegerField>(&key.field)) {
    return std::to_string(*(*integer)(model, index));
  }
  std::string text = FormatFixed(*std::get<RealField>(key.field)(model, index));
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

}  // namespace

InstrumentComparison CompareInstrumentWith(ExchangeContext& exchange,
                                           const DeviceSettings& profile) {
  DeviceSettings instrument;
  InstrumentComparison comparison;
  comparison.result = ReadWholeInstrumentInto(exchange, instrument);
  if (comparison.result != kOk) return comparison;
  DeviceSettings written = profile;
  HeadlessPages pages(written);
  pages.ShowSettings();
  pages.CollectSettings();
  comparison.differences = CompareHeldSettings(instrument, written);
  return comparison;
}

std::vector<SettingDifference> CompareHeldSettings(const DeviceSettings& instrument,
                                                   const DeviceSettings& profile) {
  DeviceSettings held = instrument;
  DeviceSettings wanted = profile;
  std::vector<SettingDifference> differences;
  const auto compare = [&](const auto& keys, int index) {
    for (const ProfileKey* key : keys) {
      std::string instrumentValue = ValueText(*key, index, held);
      std::string profileValue = ValueText(*key, index, wanted);
      if (instrumentValue == profileValue) continue;
      differences.push_back({SectionName(key->section, index), std::string(key->name),
                             std::move(instrumentValue), std::move(profileValue)});
    }
  };
  for (int channel = 0; channel < kChannelCount; ++channel) compare(kHeldChannelKeys, channel);
  compare(kHeldRelayKeys, 0);
  compare(kHeldGeneralKeys, 0);
  return differences;
}

}  // namespace zorkan
