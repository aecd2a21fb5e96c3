#include "workflows/instrument_comparison.h"

#include "profiles/profile_keys.h"
#include "workflows/model_view.h"

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

// The held keys in every section they stand in.
const std::vector<KeyPlace>& HeldKeyPlaces() {
  static const std::vector<KeyPlace> places = [] {
    std::vector<KeyPlace> list;
    for (int channel = 0; channel < kChannelCount; ++channel) {
      for (const ProfileKey* key : kHeldChannelKeys) list.push_back({key, channel});
    }
    for (const ProfileKey* key : kHeldRelayKeys) list.push_back({key, 0});
    for (const ProfileKey* key : kHeldGeneralKeys) list.push_back({key, 0});
    return list;
  }();
  return places;
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

std::vector<ProfileKeyDifference> CompareHeldSettings(const DeviceSettings& instrument,
                                                      const DeviceSettings& profile) {
  return DifferingKeys(instrument, profile, HeldKeyPlaces());
}

}  // namespace zorkan
