#include "workflows/instrument_comparison.h"

#include "profiles/instrument_keys.h"
#include "workflows/headless_pages.h"
#include "workflows/whole_instrument.h"

namespace zorkan {

InstrumentComparison CompareInstrumentWith(ExchangeContext& exchange,
                                           const DeviceSettings& profile) {
  DeviceSettings instrument;
  InstrumentComparison comparison;
  // A comparison only looks: its read is no configuration the instrument was given or left with.
  ExchangeContext unrecorded = exchange;
  unrecorded.journal = nullptr;
  comparison.result = ReadWholeInstrumentInto(unrecorded, instrument);
  if (comparison.result != kOk) return comparison;
  DeviceSettings written = profile;
  HeadlessPages pages(written);
  pages.ShowSettings();
  pages.CollectSettings();
  comparison.differences = CompareHeldSettings(instrument, written);
  return comparison;
}

std::vector<ProfileKeyDifference> CompareHeldSettings(const DeviceSettings& instrument,
                                                      const DeviceSettings& profile) {
  return DifferingKeys(instrument, profile, ReadKeyPlaces());
}

}  // namespace zorkan
