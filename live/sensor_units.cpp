#include "live/sensor_units.h"

#include <algorithm>

#include "operator/operator_text.h"

namespace zorkan {

namespace {

// What a profile holds until someone names the unit.
constexpr std::string_view kUnnamedUnit = "<....>";

bool MeasuresTemperature(int sensorType) {
  return (sensorType >= kSensorCopper50W1428 && sensorType <= kSensorThermocoupleT) ||
         sensorType == kSensorThermocoupleN;
}

bool Blank(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

std::string SensorUnitText(const ChannelSettings& channel) {
  if (MeasuresTemperature(channel.sensorType)) return "°C";
  if (channel.sensorType == kSensorResistance) return OPERATOR_TEXT("Ом");
  if (channel.unitText == kUnnamedUnit || Blank(channel.unitText)) return OPERATOR_TEXT("ед.");
  return channel.unitText;
}

}  // namespace zorkan
