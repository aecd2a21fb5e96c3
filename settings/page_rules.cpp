#include "settings/page_rules.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "operator/operator_text.h"
#include "settings/page_bindings.h"

namespace zorkan {

namespace {

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

std::string ManufactureDateText(const GeneralSettings& general) {
  // Day, month, year.
  constexpr std::array<std::string_view, 12> kDates{
      OPERATOR_TEXT("%1 Января %2"),   OPERATOR_TEXT("%1 Февраля %2"),
      OPERATOR_TEXT("%1 Марта %2"),    OPERATOR_TEXT("%1 Апреля %2"),
      OPERATOR_TEXT("%1 Мая %2"),      OPERATOR_TEXT("%1 Июня %2"),
      OPERATOR_TEXT("%1 Июля %2"),     OPERATOR_TEXT("%1 Августа %2"),
      OPERATOR_TEXT("%1 Сентября %2"), OPERATOR_TEXT("%1 Октября %2"),
      OPERATOR_TEXT("%1 Ноября %2"),   OPERATOR_TEXT("%1 Декабря %2")};
  if (general.manufactureMonth < 1 || general.manufactureMonth > 12) {
    return std::to_string(general.manufactureDay) + " " + std::to_string(general.manufactureYear);
  }
  return FillText(kDates[static_cast<std::size_t>(general.manufactureMonth - 1)],
                  general.manufactureDay, general.manufactureYear);
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
