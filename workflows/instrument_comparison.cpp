#include "workflows/instrument_comparison.h"

#include "ini/number_text.h"
#include "profiles/instrument_keys.h"
#include "workflows/model_view.h"

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

// The pages of the instrument's own model: there are none, so nothing is collected or shown; the
// caller's exchange controls are locked all the same.
class ControlsOnlyView final : public SettingsView {
 public:
  explicit ControlsOnlyView(SettingsView& pages) : pages_(pages) {}

  void CollectSettings() override {}
  void ShowSettings() override {}
  FieldTexts shownFieldTexts() const override { return {}; }
  std::vector<ListField> listsWithoutSelection() const override { return {}; }
  void showGroupSelection() override {}
  void LockExchangeControls() override { pages_.LockExchangeControls(); }
  void UnlockExchangeControls() override { pages_.UnlockExchangeControls(); }

 private:
  SettingsView& pages_;
};

}  // namespace

InstrumentComparison CompareInstrumentWith(Workbench& bench, const DeviceSettings& profile) {
  DeviceSettings instrument;
  ControlsOnlyView view(bench.view);
  Workbench reading{bench.link, bench.progress, bench.latch, bench.dialogs, instrument, view};
  InstrumentComparison comparison;
  comparison.result = ReadWholeInstrument(reading);
  if (comparison.result != kOk) return comparison;
  DeviceSettings written = profile;
  ModelView pages(written);
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
