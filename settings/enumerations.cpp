#include "settings/enumerations.h"

namespace zorkan {

const std::array<std::string_view, kSensorTypeCount> kSensorTypeTexts{
    "50М ТС медь Ro=50 W=1.428",
    "50М ТС медь Ro=50 W=1.426",
    "53М Гр 23 ТС медь Ro=53 W=1.428",
    "53М Гр 23 ТС медь Ro=53 W=1.426",
    "100М ТС медь Ro=100 W=1.428",
    "100М ТС медь Ro=100 W=1.426",
    "50П ТС платина Ro=50 W=1.391",
    "100П ТС платина Ro=100 W=1.391",
    "Pt100 ТС платина Ro=100 W=1.385",
    "ТХА ТП ХА(K) хромель/алюмель",
    "ТХК ТП ХК(L) хромель/копель",
    "ТПП ТП ПП(R) платина/пл.родий 13%",
    "ТПП ТП ПП(S) платина/пл.родий 10%",
    "ТПР ТП ПР(В) пл.род.30%/пл.род.6%",
    "ТЖК ТП КJK(J) железо/константан",
    "ТВР(A-1) ТП ВР(А-1) вольф.рен./волф.рен.",
    "ТМК  ТП TMK(T) медь/константан",
    "Ток 0-5 мА",
    "Ток 0-20 мА",
    "Ток 4-20 мА",
    "Напряжение 0-100 мВ",
    "Напряжение 0-75 мВ",
    "Измерение сопротивления",
    "Напряжение 0-10 В",
    "ТНН ТП НН(N) нихросил/нисил",
};

const std::array<std::string_view, 4> kDeviceTypeTexts{
    "740/41 Н Одноканальный",
    "742 Н Двухканальный",
    "745 Н Одноканальн. проп.регул.",
    "740 НР Одноканальн. ПИД регул.",
};

const std::array<std::string_view, 3> kSetpointTypeTexts{"Нет", "Понижение", "Повышение"};

const std::array<std::string_view, 2> kErrorDisplayTexts{"Упрощенное", "Расширенное"};

std::string FirmwareVersionText(int firmwareVersion) {
  const int major = (firmwareVersion >> 6) & 3;
  const int minor = (firmwareVersion >> 4) & 3;
  const int build = firmwareVersion & 15;
  return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(build);
}

bool IsTemperatureSensor(std::int32_t sensorType) {
  return (sensorType >= kSensorCopper50W1428 && sensorType <= kSensorThermocoupleT) ||
         sensorType == kSensorThermocoupleN;
}

std::string DeviceTypeText(std::int32_t deviceType) {
  if (deviceType >= 0 && deviceType < static_cast<std::int32_t>(kDeviceTypeTexts.size())) {
    return std::string(kDeviceTypeTexts[static_cast<std::size_t>(deviceType)]);
  }
  return std::to_string(deviceType);
}

}  // namespace zorkan
