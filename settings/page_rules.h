#pragma once
// What the settings pages do to the model on its way through them. Showing applies the range
// rules; every control then holds its field only as far as its list or text can (a value without a
// list item comes back as -1, or 0 for a field held as position + 1; a number comes back as its
// four-decimal text reads); taking the pages back forces the relay-processing modes and the
// fixed-range switch and keeps only the relay-grid bits. The window does this with its controls;
// the command-line program with these functions, which walk the same bindings (page_bindings.h),
// so that both give an instrument the same values for the same profile.

#include <cstdint>
#include <string>
#include <vector>

#include "settings/device_settings.h"
#include "settings/field_checks.h"
#include "settings/list_checks.h"

namespace zorkan {

// Showing: sensor types with fixed limits get their range from the sensor-bounds table; with
// useMax 1, unified signals get their nominal range.
void ApplyRangeRules(DeviceSettings& settings);

// The texts of the checked fields as the pages show them.
FieldTexts ShownFieldTexts(const DeviceSettings& settings);

// The lists that showing the model leaves without a selection, in the order of the checks (the
// order ListField declares them in).
std::vector<ListField> UnselectedLists(const DeviceSettings& settings);
std::vector<ListField> InCheckOrder(std::vector<ListField> lists);

// Taking the shown model back from the controls.
void TakeBackFromPages(DeviceSettings& settings);

// What taking the pages back forces, whatever the controls held.
void ApplyCollectRules(DeviceSettings& settings);

// "7 Марта 2024": day, month name, year; a month outside 1..12 adds no name.
std::string ManufactureDateText(const GeneralSettings& general);

// The bits of the relay grid: heating (channel-1 byte) and the alarm setpoint and sensor break
// (channel-2 byte) for each relay.
constexpr std::int32_t kGridChannel1Bits = 0x10;
constexpr std::int32_t kGridChannel2Bits = 0x01 | 0x04;

}  // namespace zorkan
