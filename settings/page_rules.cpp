#include "settings/page_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "ini/number_text.h"

namespace zorkan {

namespace {

constexpr int kSetpointTypeItems = static_cast<int>(kSetpointTypeTexts.size());

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

// A list of positions holding the values 1..itemCount.
std::int32_t ThroughCountList(std::int32_t value, int itemCount) {
  return ShownListIndex(value - 1, itemCount) + 1;
}

std::int32_t ThroughCheckBox(std::int32_t value) {
  return value != 0 ? 1 : 0;
}

// The step lists are editable: their text is taken back without its sign.
float StepFieldValue(float value) {
  return std::fabs(NumberFieldValue(value));
}

void TakeBackChannel(ChannelSettings& channel) {
  channel.sensorType = ShownListIndex(channel.sensorType, kSensorTypeCount);
  channel.setpointType1 = CollectedSetpointType(ShownSetpointTypeIndex(channel.setpointType1));
  channel.setpointType2 = CollectedSetpointType(ShownSetpointTypeIndex(channel.setpointType2));
  channel.decimals = ShownListIndex(channel.decimals, kDecimalsItems);
  channel.averaging = ThroughCountList(channel.averaging, kCountItems);
  channel.observations = ThroughCountList(channel.observations, kCountItems);
  channel.rootExtraction = ThroughCheckBox(channel.rootExtraction);
  channel.channelEnable = ThroughCheckBox(channel.channelEnable);
  for (float* number :
       {&channel.rangeMax, &channel.rangeMin, &channel.offset, &channel.rangeAdjust,
        &channel.setpoint1, &channel.setpoint2, &channel.hysteresis1, &channel.hysteresis2}) {
    *number = NumberFieldValue(*number);
  }
  for (float& coefficient : channel.polynomial) coefficient = NumberFieldValue(coefficient);
  channel.setpointStep = StepFieldValue(channel.setpointStep);
  channel.hysteresisStep = StepFieldValue(channel.hysteresisStep);
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

float NumberFieldValue(float value) {
  return FieldNumber(FormatFixed(value));
}

// The serial-number field shows the number its two bytes make.
std::int32_t ShownSerialNumber(std::int32_t serialNumber) {
  return SerialNumberHighByte(serialNumber) * 256 + SerialNumberLowByte(serialNumber);
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
  const ChannelSettings& channel = settings.channels[0];
  return FieldTexts{
      .rangeMin = FormatFixed(channel.rangeMin),
      .serialNumber = std::to_string(ShownSerialNumber(settings.general.serialNumber)),
      .rangeMax = FormatFixed(channel.rangeMax),
      .offset = FormatFixed(channel.offset),
      .rangeAdjust = FormatFixed(channel.rangeAdjust),
      .setpoint1 = FormatFixed(channel.setpoint1),
      .setpoint2 = FormatFixed(channel.setpoint2),
      .hysteresis1 = FormatFixed(channel.hysteresis1),
      .hysteresis2 = FormatFixed(channel.hysteresis2),
      .setpointStep = FormatFixed(channel.setpointStep),
      .hysteresisStep = FormatFixed(channel.hysteresisStep),
      .polynomial = {FormatFixed(channel.polynomial[0]), FormatFixed(channel.polynomial[1]),
                     FormatFixed(channel.polynomial[2]), FormatFixed(channel.polynomial[3])},
  };
}

std::vector<ListField> UnselectedLists(const DeviceSettings& settings) {
  const ChannelSettings& first = settings.channels[0];
  const ChannelSettings& second = settings.channels[1];
  const GeneralSettings& general = settings.general;
  const std::pair<ListField, bool> lists[] = {
      {ListField::SensorType1, ShownListIndex(first.sensorType, kSensorTypeCount) >= 0},
      {ListField::SensorType2, ShownListIndex(second.sensorType, kSensorTypeCount) >= 0},
      {ListField::Decimals1, ShownListIndex(first.decimals, kDecimalsItems) >= 0},
      {ListField::Decimals2, ShownListIndex(second.decimals, kDecimalsItems) >= 0},
      {ListField::Averaging1, ShownListIndex(first.averaging - 1, kCountItems) >= 0},
      {ListField::Averaging2, ShownListIndex(second.averaging - 1, kCountItems) >= 0},
      {ListField::Observations1, ShownListIndex(first.observations - 1, kCountItems) >= 0},
      {ListField::Observations2, ShownListIndex(second.observations - 1, kCountItems) >= 0},
      {ListField::PwmPeriod, ShownListIndex(first.regulationInterval - 1, kIntervalItems) >= 0},
      {ListField::MaxPulse, ShownListIndex(first.pulseInterval - 1, kIntervalItems) >= 0},
      {ListField::ErrorDisplay,
       ShownListIndex(general.errorDisplay, static_cast<int>(kErrorDisplayTexts.size())) >= 0},
      {ListField::DeviceType,
       ShownListIndex(general.deviceType, static_cast<int>(kDeviceTypeTexts.size())) >= 0},
  };
  std::vector<ListField> unselected;
  for (const auto& [field, selected] : lists) {
    if (!selected) unselected.push_back(field);
  }
  return unselected;
}

void TakeBackFromPages(DeviceSettings& settings) {
  for (ChannelSettings& channel : settings.channels) TakeBackChannel(channel);
  // Only channel 1's regulator bytes have controls; channel 2's pass unchanged.
  ChannelSettings& regulated = settings.channels[0];
  regulated.regulationInterval = ThroughCountList(regulated.regulationInterval, kIntervalItems);
  regulated.pulseInterval = ThroughCountList(regulated.pulseInterval, kIntervalItems);
  GeneralSettings& general = settings.general;
  general.errorDisplay =
      ShownListIndex(general.errorDisplay, static_cast<int>(kErrorDisplayTexts.size()));
  general.deviceType =
      ShownListIndex(general.deviceType, static_cast<int>(kDeviceTypeTexts.size()));
  // The quality-control list "000".."255" shows the low byte of any value.
  general.qcCode &= 0xFF;
  general.generalSelected = general.generalSelected == 1 ? 1 : 0;
  general.serialNumber = ShownSerialNumber(general.serialNumber);
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
