#pragma once
// How a single control of the settings pages shows its setting and gives it back. The bindings
// (page_bindings.h) apply these to the model alone, the window to its widgets.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zorkan {

int ShownListIndex(std::int32_t value, int itemCount);  // -1: no item to select
int ShownSetpointTypeIndex(std::int32_t value);
std::int32_t CollectedSetpointType(int index);
// A number field's text taken back: the number it starts with, 0 when there is none.
float FieldNumber(std::string_view text);
// The serial number as the pages show it, and as their field's text gives it back: 0 for an empty
// text or one that holds no number; nullopt for a number outside 0..65535.
std::int32_t ShownSerialNumber(std::int32_t serialNumber);
std::optional<std::int32_t> SerialNumberFromField(std::string_view text);

}  // namespace zorkan
