#include "settings/page_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "ini/number_text.h"
#include "settings/page_bindings.h"

namespace zorkan {

namespace {

constexpr int kSetpointTypeItems = static_cast<int>(kSetpointTypeTexts.size());
constexpr std::int32_t kLargestSerialNumber = 65535;

bool HasFixedRange(std::int32_t sensorType) {
  return (sensorType >= kSensorCopper50W1428 && sensorType <= kSensorThermocoupleT) ||
         sensorType == kSensorResistance || sensorType == kSensorThermocoupleN;
}

// Unified signals and the upper end of their nominal range; 0 for other sensor types.
float NominalRangeMax(std::int32_t sensorType) {
  switch (sensorType) {
    case kSensorCurrent0To5mA:
      return 5.0f;
    case kSensorCurrent0To20mA:
    case kSensorCurrent4To20mA:
      return 20.0f;
    case kSensorVoltage0To100mV:
      return 100.0f;
    case kSensorVoltage0To75mV:
      return 75.0f;
    case kSensorVoltage0To10V:
      return 10.0f;
    default:
      return 0.0f;
  }
}

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

std::string ManufactureDateText(const GeneralSettings& general) {
  constexpr std::array<std::string_view, 12> kMonthNames{
      "Января ", "Февраля ", "Марта ",    "Апреля ",  "Мая ",    "Июня ",
      "Июля ",   "Августа ", "Сентября ", "Октября ", "Ноября ", "Декабря "};
  std::string text = std::to_string(general.manufactureDay) + " ";
  if (general.manufactureMonth >= 1 && general.manufactureMonth <= 12) {
    text += kMonthNames[static_cast<std::size_t>(general.manufactureMonth - 1)];
  }
  text += std::to_string(general.manufactureYear);
  return text;
}

void ApplyRangeRules(DeviceSettings& settings) {
  for (ChannelSettings& channel : settings.channels) {
    if (settings.useMax == 1) {
      if (const float nominal = NominalRangeMax(channel.sensorType); nominal > 0.0f) {
        channel.rangeMin = 0.0f;
        channel.rangeMax = nominal;
      }
    }
    if (HasFixedRange(channel.sensorType)) {
      const SensorBounds& bounds =
          settings.sensorBounds[static_cast<std::size_t>(channel.sensorType)];
      channel.rangeMax = bounds.max;
      channel.rangeMin = bounds.min;
    }
  }
}

FieldTexts ShownFieldTexts(const DeviceSettings& settings) {
  FieldTexts texts;
  for (const PageBinding& binding : PageBindings()) {
    if (binding.checkedText != nullptr) *binding.checkedText(texts) = BoundText(binding, settings);
  }
  return texts;
}

std::vector<ListField> UnselectedLists(const DeviceSettings& settings) {
  std::vector<ListField> unselected;
  for (const PageBinding& binding : PageBindings()) {
    if (binding.checkedList && BoundIndex(binding, settings) < 0) {
      unselected.push_back(*binding.checkedList);
    }
  }
  return InCheckOrder(std::move(unselected));
}

std::vector<ListField> InCheckOrder(std::vector<ListField> lists) {
  std::ranges::sort(lists);
  return lists;
}

void TakeBackFromPages(DeviceSettings& settings) {
  for (const PageBinding& binding : PageBindings()) {
    if (IsTextKind(binding.kind)) {
      TakeBackText(binding, settings, BoundText(binding, settings));
    } else if (IsListKind(binding.kind)) {
      TakeBackIndex(binding, settings, BoundIndex(binding, settings));
    } else if (binding.kind != BindingKind::ShownSwitch) {
      TakeBackCheck(binding, settings, BoundCheck(binding, settings));
    }
  }
  ApplyCollectRules(settings);
}

void ApplyCollectRules(DeviceSettings& settings) {
  for (ChannelSettings& channel : settings.channels) channel.relayProcessing = 1;
  settings.useMax = 0;
  for (auto& relay : settings.relays.relayMask) {
    relay[0] &= kGridChannel1Bits;
    relay[1] &= kGridChannel2Bits;
  }
}

}  // namespace zorkan
