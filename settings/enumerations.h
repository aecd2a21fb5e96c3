#pragma once
// Coded settings and the list texts the pages show for them; a code is the position in its list.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zorkan {

enum SensorType : int {
  kSensorCopper50W1428 = 0,
  kSensorCopper50W1426 = 1,
  kSensorCopper53W1428 = 2,
  kSensorCopper53W1426 = 3,
  kSensorCopper100W1428 = 4,
  kSensorCopper100W1426 = 5,
  kSensorPlatinum50W1391 = 6,
  kSensorPlatinum100W1391 = 7,
  kSensorPt100W1385 = 8,
  kSensorThermocoupleK = 9,
  kSensorThermocoupleL = 10,
  kSensorThermocoupleR = 11,
  kSensorThermocoupleS = 12,
  kSensorThermocoupleB = 13,
  kSensorThermocoupleJ = 14,
  kSensorThermocoupleA1 = 15,
  kSensorThermocoupleT = 16,
  kSensorCurrent0To5mA = 17,
  kSensorCurrent0To20mA = 18,
  kSensorCurrent4To20mA = 19,
  kSensorVoltage0To100mV = 20,
  kSensorVoltage0To75mV = 21,
  kSensorResistance = 22,
  kSensorVoltage0To10V = 23,
  kSensorThermocoupleN = 24,
};
constexpr int kSensorTypeCount = 25;
extern const std::array<std::string_view, kSensorTypeCount> kSensorTypeTexts;

// A resistance thermometer or a thermocouple, whose channel measures in degrees Celsius; the
// unified signals and the resistance measure in what their range makes of them.
bool IsTemperatureSensor(std::int32_t sensorType);

enum DeviceType : int {
  kDeviceSingleChannel = 0,
  kDeviceTwoChannel = 1,
  kDeviceValveRegulator = 2,
  kDevicePidRegulator = 3,
};
extern const std::array<std::string_view, 4> kDeviceTypeTexts;

enum SetpointType : int {
  kSetpointOff = 0,
  kSetpointFalling = 1,
  kSetpointRising = 2,
};
extern const std::array<std::string_view, 3> kSetpointTypeTexts;

enum ErrorDisplay : int {
  kErrorDisplaySimple = 0,
  kErrorDisplayExtended = 1,
};
extern const std::array<std::string_view, 2> kErrorDisplayTexts;

// Bits 7-6 major, 5-4 minor, 3-0 build: 0x52 is "1.1.2".
std::string FirmwareVersionText(int firmwareVersion);

// The device type's name as the pages list it; a code no type has, in decimal.
std::string DeviceTypeText(std::int32_t deviceType);

}  // namespace zorkan
