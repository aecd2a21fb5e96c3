#include "settings/control_conversions.h"

#include <algorithm>
#include <limits>

#include "ini/number_text.h"
#include "settings/device_settings.h"
#include "settings/enumerations.h"

namespace zorkan {

namespace {

constexpr int kSetpointTypeItems = static_cast<int>(kSetpointTypeTexts.size());
constexpr std::int32_t kLargestSerialNumber = 65535;

}  // namespace

int ShownListIndex(std::int32_t value, int itemCount) {
  return value >= 0 && value < itemCount ? value : -1;
}

int ShownSetpointTypeIndex(std::int32_t value) {
  return value >= 1 && value <= 3 ? ShownListIndex(value, kSetpointTypeItems) : 0;
}

std::int32_t CollectedSetpointType(int index) {
  return index == kSetpointFalling || index == kSetpointRising ? index : kSetpointOff;
}

float FieldNumber(std::string_view text) {
  const double number = ScanDecimal(text).value_or(0.0);
  // A number beyond single precision has no field value; it is held at the largest one.
  constexpr double kLargest = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(number, -kLargest, kLargest));
}

// The serial-number field shows the number its two bytes make.
std::int32_t ShownSerialNumber(std::int32_t serialNumber) {
  return SerialNumberHighByte(serialNumber) * 256 + SerialNumberLowByte(serialNumber);
}

// A fraction is cut off, as the field's number is whole.
std::optional<std::int32_t> SerialNumberFromField(std::string_view text) {
  if (text.empty()) return 0;
  const double number = ScanDecimal(text).value_or(0.0);
  if (number < 0 || number > kLargestSerialNumber) return std::nullopt;
  return static_cast<std::int32_t>(number);
}

}  // namespace zorkan
