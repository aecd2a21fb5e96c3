#include "settings/page_bindings.h"

#include <array>
#include <cmath>

#include "ini/number_text.h"
#include "operator/operator_text.h"
#include "settings/control_conversions.h"

namespace zorkan {

namespace {

using S = DeviceSettings;
using T = FieldTexts;
using enum BindingKind;

constexpr std::array<std::string_view, 5> kStepTexts{"0.001", "0.01", "0.1", "1.0", "10.0"};
constexpr std::array<std::string_view, 3> kRegulatorRelayTexts{
    OPERATOR_TEXT("Упрощенная"), OPERATOR_TEXT("Расширенная"),
    OPERATOR_TEXT("Управление задвижкой")};
constexpr std::array<std::string_view, 2> kAlarmRelayTexts{OPERATOR_TEXT("Упрощенная"),
                                                           OPERATOR_TEXT("Расширенная")};

constexpr ListItems kSteps{.texts = kStepTexts};
constexpr ListItems kDecimals{.first = 0, .last = 3};
constexpr ListItems kCounts{.first = 1, .last = 10};
constexpr ListItems kIntervals{.first = 1, .last = 255};
constexpr ListItems kQualityCodes{.first = 0, .last = 255, .format = "%03d"};

// Channel 1 is the regulator: only it has the PWM lists. Channel 2's controls are hidden.
const PageBinding kBindings[] = {
    {"ComboBox1",
     List,
     [](S& s) { return &s.channels[0].sensorType; },
     {.texts = kSensorTypeTexts},
     ListField::SensorType1},
    {"ComboBox2",
     SetpointList,
     [](S& s) { return &s.channels[0].setpointType1; },
     {.texts = kSetpointTypeTexts}},
    {"ComboBox3",
     SetpointList,
     [](S& s) { return &s.channels[0].setpointType2; },
     {.texts = kSetpointTypeTexts}},
    {"ComboBox5", List, [](S& s) { return &s.channels[0].decimals; }, kDecimals,
     ListField::Decimals1},
    {"ComboBox4", Count, [](S& s) { return &s.channels[0].averaging; }, kCounts,
     ListField::Averaging1},
    {"ComboBox6", Count, [](S& s) { return &s.channels[0].observations; }, kCounts,
     ListField::Observations1},
    {"ComboBox13",
     List,
     [](S& s) { return &s.channels[0].relayProcessing; },
     {.texts = kRegulatorRelayTexts}},
    {"CheckBox4", Check, [](S& s) { return &s.channels[0].rootExtraction; }},
    {"CheckBox5", Check, [](S& s) { return &s.channels[0].channelEnable; }},
    {"Edit1",
     Number,
     [](S& s) { return &s.channels[0].rangeMax; },
     {},
     {},
     [](T& t) { return &t.rangeMax; }},
    {"Edit2",
     Number,
     [](S& s) { return &s.channels[0].rangeMin; },
     {},
     {},
     [](T& t) { return &t.rangeMin; }},
    {"Edit3",
     Number,
     [](S& s) { return &s.channels[0].offset; },
     {},
     {},
     [](T& t) { return &t.offset; }},
    {"Edit4",
     Number,
     [](S& s) { return &s.channels[0].rangeAdjust; },
     {},
     {},
     [](T& t) { return &t.rangeAdjust; }},
    {"Edit5",
     Number,
     [](S& s) { return &s.channels[0].setpoint1; },
     {},
     {},
     [](T& t) { return &t.setpoint1; }},
    {"Edit7",
     Number,
     [](S& s) { return &s.channels[0].setpoint2; },
     {},
     {},
     [](T& t) { return &t.setpoint2; }},
    {"Edit6",
     Number,
     [](S& s) { return &s.channels[0].hysteresis1; },
     {},
     {},
     [](T& t) { return &t.hysteresis1; }},
    {"Edit8",
     Number,
     [](S& s) { return &s.channels[0].hysteresis2; },
     {},
     {},
     [](T& t) { return &t.hysteresis2; }},
    {"ComboBox21",
     Step,
     [](S& s) { return &s.channels[0].setpointStep; },
     kSteps,
     {},
     [](T& t) { return &t.setpointStep; }},
    {"ComboBox22",
     Step,
     [](S& s) { return &s.channels[0].hysteresisStep; },
     kSteps,
     {},
     [](T& t) { return &t.hysteresisStep; }},
    {"Edit9",
     Number,
     [](S& s) { return &s.channels[0].polynomial[0]; },
     {},
     {},
     [](T& t) { return &t.polynomial[0]; }},
    {"Edit10",
     Number,
     [](S& s) { return &s.channels[0].polynomial[1]; },
     {},
     {},
     [](T& t) { return &t.polynomial[1]; }},
    {"Edit11",
     Number,
     [](S& s) { return &s.channels[0].polynomial[2]; },
     {},
     {},
     [](T& t) { return &t.polynomial[2]; }},
    {"Edit12",
     Number,
     [](S& s) { return &s.channels[0].polynomial[3]; },
     {},
     {},
     [](T& t) { return &t.polynomial[3]; }},
    {"ComboBox18", Count, [](S& s) { return &s.channels[0].regulationInterval; }, kIntervals,
     ListField::PwmPeriod},
    {"ComboBox28", Count, [](S& s) { return &s.channels[0].pulseInterval; }, kIntervals,
     ListField::MaxPulse},
    {"CheckBox1", ShownSwitch, [](S& s) { return &s.channels[0].selected; }},

    {"ComboBox7",
     List,
     [](S& s) { return &s.channels[1].sensorType; },
     {.texts = kSensorTypeTexts},
     ListField::SensorType2},
    {"ComboBox31",
     SetpointList,
     [](S& s) { return &s.channels[1].setpointType1; },
     {.texts = kSetpointTypeTexts}},
    {"ComboBox9",
     SetpointList,
     [](S& s) { return &s.channels[1].setpointType2; },
     {.texts = kSetpointTypeTexts}},
    {"ComboBox11", List, [](S& s) { return &s.channels[1].decimals; }, kDecimals,
     ListField::Decimals2},
    {"ComboBox10", Count, [](S& s) { return &s.channels[1].averaging; }, kCounts,
     ListField::Averaging2},
    {"ComboBox32", Count, [](S& s) { return &s.channels[1].observations; }, kCounts,
     ListField::Observations2},
    {"ComboBox14",
     List,
     [](S& s) { return &s.channels[1].relayProcessing; },
     {.texts = kAlarmRelayTexts}},
    {"CheckBox6", Check, [](S& s) { return &s.channels[1].rootExtraction; }},
    {"CheckBox7", Check, [](S& s) { return &s.channels[1].channelEnable; }},
    {"Edit13", Number, [](S& s) { return &s.channels[1].rangeMax; }},
    {"Edit14", Number, [](S& s) { return &s.channels[1].rangeMin; }},
    {"Edit15", Number, [](S& s) { return &s.channels[1].offset; }},
    {"Edit16", Number, [](S& s) { return &s.channels[1].rangeAdjust; }},
    {"Edit25", Number, [](S& s) { return &s.channels[1].setpoint1; }},
    {"Edit19", Number, [](S& s) { return &s.channels[1].setpoint2; }},
    {"Edit26", Number, [](S& s) { return &s.channels[1].hysteresis1; }},
    {"Edit20", Number, [](S& s) { return &s.channels[1].hysteresis2; }},
    {"ComboBox23", Step, [](S& s) { return &s.channels[1].setpointStep; }, kSteps},
    {"ComboBox24", Step, [](S& s) { return &s.channels[1].hysteresisStep; }, kSteps},
    {"Edit21", Number, [](S& s) { return &s.channels[1].polynomial[0]; }},
    {"Edit22", Number, [](S& s) { return &s.channels[1].polynomial[1]; }},
    {"Edit23", Number, [](S& s) { return &s.channels[1].polynomial[2]; }},
    {"Edit24", Number, [](S& s) { return &s.channels[1].polynomial[3]; }},
    {"CheckBox2", ShownSwitch, [](S& s) { return &s.channels[1].selected; }},

    {"CheckBox3", ShownSwitch, [](S& s) { return &s.relays.relaySelected; }},

    {"ComboBox20",
     List,
     [](S& s) { return &s.general.errorDisplay; },
     {.texts = kErrorDisplayTexts},
     ListField::ErrorDisplay},
    {"ComboBox19",
     List,
     [](S& s) { return &s.general.deviceType; },
     {.texts = kDeviceTypeTexts},
     ListField::DeviceType},
    {"Edit53",
     SerialNumber,
     [](S& s) { return &s.general.serialNumber; },
     {},
     {},
     [](T& t) { return &t.serialNumber; }},
    {"ComboBox27", LowByte, [](S& s) { return &s.general.qcCode; }, kQualityCodes},
    {"CheckBox10", GroupSwitch, [](S& s) { return &s.general.generalSelected; }},
};

// The accessors hand out writable fields; reading through them changes nothing.
std::int32_t IntegerOf(const PageBinding& binding, const DeviceSettings& settings) {
  return *std::get<BoundInteger>(binding.field)(const_cast<DeviceSettings&>(settings));
}

float RealOf(const PageBinding& binding, const DeviceSettings& settings) {
  return *std::get<BoundReal>(binding.field)(const_cast<DeviceSettings&>(settings));
}

std::int32_t& IntegerOf(const PageBinding& binding, DeviceSettings& settings) {
  return *std::get<BoundInteger>(binding.field)(settings);
}

float& RealOf(const PageBinding& binding, DeviceSettings& settings) {
  return *std::get<BoundReal>(binding.field)(settings);
}

}  // namespace

std::span<const PageBinding> PageBindings() {
  return kBindings;
}

bool IsTextKind(BindingKind kind) {
  return kind == Number || kind == Step || kind == SerialNumber;
}

bool IsListKind(BindingKind kind) {
  return kind == List || kind == Count || kind == SetpointList || kind == LowByte;
}

bool IsSwitchKind(BindingKind kind) {
  return kind == GroupSwitch || kind == ShownSwitch;
}

std::string BoundText(const PageBinding& binding, const DeviceSettings& settings) {
  if (binding.kind == SerialNumber) {
    return std::to_string(ShownSerialNumber(IntegerOf(binding, settings)));
  }
  return FormatFixed(RealOf(binding, settings));
}

int BoundIndex(const PageBinding& binding, const DeviceSettings& settings) {
  const std::int32_t value = IntegerOf(binding, settings);
  const int items = binding.items.count();
  switch (binding.kind) {
    case Count:
      return ShownListIndex(value - 1, items);
    case SetpointList:
      return ShownSetpointTypeIndex(value);
    case LowByte:
      return ShownListIndex(value & 0xFF, items);
    default:
      return ShownListIndex(value, items);
  }
}

bool BoundCheck(const PageBinding& binding, const DeviceSettings& settings) {
  const std::int32_t value = IntegerOf(binding, settings);
  return binding.kind == Check ? value != 0 : value == 1;
}

bool TakeBackText(const PageBinding& binding, DeviceSettings& settings, std::string_view text) {
  switch (binding.kind) {
    case SerialNumber: {
      const std::optional<std::int32_t> number = SerialNumberFromField(text);
      IntegerOf(binding, settings) = number.value_or(0);
      return number.has_value();
    }
    case Step:
      RealOf(binding, settings) = std::fabs(FieldNumber(text));
      return true;
    default:
      RealOf(binding, settings) = FieldNumber(text);
      return true;
  }
}

void TakeBackIndex(const PageBinding& binding, DeviceSettings& settings, int index) {
  std::int32_t& value = IntegerOf(binding, settings);
  switch (binding.kind) {
    case Count:
      value = index + 1;
      break;
    case SetpointList:
      value = CollectedSetpointType(index);
      break;
    default:
      value = index;
  }
}

void TakeBackCheck(const PageBinding& binding, DeviceSettings& settings, bool checked) {
  IntegerOf(binding, settings) = checked ? 1 : 0;
}

}  // namespace zorkan
