#pragma once
// One instrument's configuration in memory. Byte parameters are held as integers 0..255 as read,
// float parameters as single-precision floats; values that only profiles keep have a place here
// too, so that a loaded profile is saved back unchanged. Member defaults are the values a profile
// gives a key it lacks.

#include <array>
#include <cstdint>
#include <string>

#include "settings/enumerations.h"

namespace zorkan {

constexpr int kChannelCount = 2;
constexpr int kRelayCount = 2;

// The six calibration constants of a channel; kept, never exchanged with the instrument.
struct CalibrationSet {
  float uref = 26.32f;
  float rref = 7491.0f;
  float ku = 94.44f;
  float ku10 = 9.43f;
  float ki05 = 18.43f;
  float ki020 = 18.43f;

  bool operator==(const CalibrationSet&) const = default;
};

// Reference resistors, voltages and currents of the calibration.
struct CalibrationReferences {
  float setRa = 40.0f;
  float setRb = 300.0f;
  float setKu = 100.0f;
  float setKu10 = 10.0f;
  float setKi05 = 5.0f;
  float setKi020 = 20.0f;

  bool operator==(const CalibrationReferences&) const = default;
};

struct ChannelSettings {
  std::int32_t sensorType = kSensorCurrent0To5mA;
  float rangeMax = 100.0f;
  float rangeMin = 0.0f;
  float lineResistance = 0.2f;  // never transferred
  std::int32_t wireCount = 3;   // never transferred
  std::int32_t rootExtraction = 0;
  std::int32_t averaging = 0;
  float offset = 0.0f;
  float rangeAdjust = 1.0f;
  std::array<float, 4> polynomial{};
  std::int32_t setpointType1 = kSetpointOff;
  std::int32_t setpointType2 = kSetpointOff;
  float setpoint1 = 50.0f;
  float setpoint2 = 60.0f;
  float hysteresis1 = 0.02f;
  float hysteresis2 = 0.02f;
  std::int32_t observations = 2;
  std::int32_t channelEnable = 0;
  std::int32_t decimals = 1;
  std::int32_t relayProcessing = 1;
  std::int32_t regulationInterval = 30;
  std::int32_t pulseInterval = 5;
  std::string channelText;  // "Канал 1" / "Канал 2"; never transferred
  std::string unitText = "<....>";
  std::int32_t selected = 1;  // 1: this channel takes part in reads and writes
  CalibrationSet calibration;
  CalibrationReferences calibrationReferences;
  float setpointStep = 0.1f;
  float hysteresisStep = 0.01f;

  bool operator==(const ChannelSettings&) const = default;
};

struct GeneralSettings {
  std::int32_t deviceType = kDevicePidRegulator;
  std::int32_t errorDisplay = kErrorDisplayExtended;
  std::int32_t firmwareVersion = 0;
  std::int32_t serialNumber = 0;  // 16 bits, exchanged as a low and a high byte
  std::int32_t qcCode = 47;
  std::int32_t manufactureDay = 1;
  std::int32_t manufactureMonth = 1;
  std::int32_t manufactureYear = 2000;  // the full year; the instrument holds year - 2000
  std::int32_t generalSelected = 1;

  bool operator==(const GeneralSettings&) const = default;
};

struct RelayLogic {
  std::int32_t relaySelected = 1;
  // relayMask[r][c]: which events of channel c switch relay r.
  std::array<std::array<std::int32_t, kChannelCount>, kRelayCount> relayMask{};
  std::int32_t use = 1;   // kept in profiles only
  std::int32_t test = 0;  // kept in profiles only

  bool operator==(const RelayLogic&) const = default;
};

// Calibration procedure settings and acceptance limits, kept in profiles only.
struct GradSettings {
  std::int32_t kalibUsr = 8;
  std::int32_t kalibDel = 90;
  std::int32_t usrRef = 8;
  std::int32_t delRef = 90;
  std::int32_t usrKu = 8;
  std::int32_t delKu = 40;
  std::int32_t usrKi = 8;
  std::int32_t delKi = 40;
  float rrefMin = 5000.0f;
  float rrefMax = 9000.0f;
  float urefMin = 18.0f;
  float urefMax = 32.0f;
  float kuMin = 75.0f;
  float kuMax = 115.0f;
  float ku10Min = 7.5f;
  float ku10Max = 11.5f;
  float ki05Min = 14.0f;
  float ki05Max = 22.0f;
  float ki020Min = 14.0f;
  float ki020Max = 22.0f;
  std::int32_t writeImmediately = 1;  // calibration results are written back at once

  bool operator==(const GradSettings&) const = default;
};

// Measuring limits and basic error of one sensor type.
struct SensorBounds {
  float max;
  float min;
  float pogr;

  bool operator==(const SensorBounds&) const = default;
};

std::array<ChannelSettings, kChannelCount> DefaultChannels();  // "Канал 1", "Канал 2"
std::array<SensorBounds, kSensorTypeCount> DefaultSensorBounds();

// An aggregate, so that a test can tell that every field has its row in the profiles' key table.
struct DeviceSettings {
  GeneralSettings general;
  std::array<ChannelSettings, kChannelCount> channels = DefaultChannels();
  RelayLogic relays;
  std::array<std::string, 4> description{"Прибор ЗОРКАН74Х Н. Описение настроек текущего профиля.",
                                         "", "", ""};
  GradSettings grad;
  std::int32_t logInterval = 1;  // seconds between measurement-log lines; 0: none
  std::int32_t useMax = 0;       // 1: unified-signal inputs get their nominal ranges
  std::array<SensorBounds, kSensorTypeCount> sensorBounds = DefaultSensorBounds();

  // Every field, so that a field added later is compared too.
  bool operator==(const DeviceSettings&) const = default;
};

inline std::int32_t SerialNumberLowByte(std::int32_t serialNumber) {
  return serialNumber & 0xFF;
}
inline std::int32_t SerialNumberHighByte(std::int32_t serialNumber) {
  return (serialNumber & 0xFF00) >> 8;
}

}  // namespace zorkan
