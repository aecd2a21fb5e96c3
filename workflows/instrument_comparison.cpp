#include "workflows/instrument_comparison.h"

#include "ini/number_text.h"
#include "profiles/instrument_keys.h"
#include "workflows/headless_pages.h"
#include "workflows/whole_instrument.h"

namespace zorkan {

namespace {

using namespace profile;

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
  for (const auto& [key, index] : ReadKeyPlaces()) {
    std::string instrumentValue = ValueText(*key, index, held);
    std::string profileValue = ValueText(*key, index, wanted);
    if (instrumentValue == profileValue) continue;
    differences.push_back({SectionName(key->section, index), std::string(key->name),
                           std::move(instrumentValue), std::move(profileValue)});
  }
  return differences;
}

}  // namespace zorkan
