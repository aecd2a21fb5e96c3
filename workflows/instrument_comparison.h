#pragma once
// Comparing the instrument with a profile before writing it: which settings a write would change.
// The window and zorkan-cli both run it.

#include <vector>

#include "link/link_error.h"
#include "profiles/profile_difference.h"
#include "settings/device_settings.h"
#include "workflows/exchange_context.h"

namespace zorkan {

struct InstrumentComparison {
  LinkError result = kOk;  // the read's code; a failed read has no differences
  // The instrument's value first, the profile's second.
  std::vector<ProfileKeyDifference> differences;
};

// The whole instrument, read as "Прочитать из прибора" reads it but into a model of its own (the
// window's model and pages stay as they are; only the exchange controls are locked meanwhile),
// compared with `profile` as a write of it would send it: through the pages' rules, though without
// the checks' clamps, which ask first. A failed read is reported once through ReportResult.
InstrumentComparison CompareInstrumentWith(ExchangeContext& exchange,
                                           const DeviceSettings& profile);

// The settings a read takes from an instrument that the two models give differently, in the
// order a profile keeps its keys. Values only profiles keep (calibration, descriptions, units,
// sensor bounds, transfer switches) are not compared.
std::vector<ProfileKeyDifference> CompareHeldSettings(const DeviceSettings& instrument,
                                                      const DeviceSettings& profile);

}  // namespace zorkan
