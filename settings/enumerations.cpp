#include "settings/enumerations.h"

#include "operator/operator_text.h"

namespace zorkan {

const std::array<std::string_view, kSensorTypeCount> kSensorTypeTexts{
    OPERATOR_TEXT("50М ТС медь Ro=50 W=1.428"),
    OPERATOR_TEXT("50М ТС медь Ro=50 W=1.426"),
    OPERATOR_TEXT("53М Гр 23 ТС медь Ro=53 W=1.428"),
    OPERATOR_TEXT("53М Гр 23 ТС медь Ro=53 W=1.426"),
    OPERATOR_TEXT("100М ТС медь Ro=100 W=1.428"),
    OPERATOR_TEXT("100М ТС медь Ro=100 W=1.426"),
    OPERATOR_TEXT("50П ТС платина Ro=50 W=1.391"),
    OPERATOR_TEXT("100П ТС платина Ro=100 W=1.391"),
    OPERATOR_TEXT("Pt100 ТС платина Ro=100 W=1.385"),
    OPERATOR_TEXT("ТХА ТП ХА(K) хромель/алюмель"),
    OPERATOR_TEXT("ТХК ТП ХК(L) хромель/копель"),
    OPERATOR_TEXT("ТПП ТП ПП(R) платина/пл.родий 13%"),
    OPERATOR_TEXT("ТПП ТП ПП(S) платина/пл.родий 10%"),
    OPERATOR_TEXT("ТПР ТП ПР(В) пл.род.30%/пл.род.6%"),
    OPERATOR_TEXT("ТЖК ТП КJK(J) железо/константан"),
    OPERATOR_TEXT("ТВР(A-1) ТП ВР(А-1) вольф.рен./волф.рен."),
    OPERATOR_TEXT("ТМК  ТП TMK(T) медь/константан"),
    OPERATOR_TEXT("Ток 0-5 мА"),
    OPERATOR_TEXT("Ток 0-20 мА"),
    OPERATOR_TEXT("Ток 4-20 мА"),
    OPERATOR_TEXT("Напряжение 0-100 мВ"),
    OPERATOR_TEXT("Напряжение 0-75 мВ"),
    OPERATOR_TEXT("Измерение сопротивления"),
    OPERATOR_TEXT("Напряжение 0-10 В"),
    OPERATOR_TEXT("ТНН ТП НН(N) нихросил/нисил"),
};

const std::array<std::string_view, 4> kDeviceTypeTexts{
    OPERATOR_TEXT("740/41 Н Одноканальный"),
    OPERATOR_TEXT("742 Н Двухканальный"),
    OPERATOR_TEXT("745 Н Одноканальн. проп.регул."),
    OPERATOR_TEXT("740 НР Одноканальн. ПИД регул."),
};

const std::array<std::string_view, 3> kSetpointTypeTexts{
    OPERATOR_TEXT("Нет"), OPERATOR_TEXT("Понижение"), OPERATOR_TEXT("Повышение")};

const std::array<std::string_view, 2> kErrorDisplayTexts{OPERATOR_TEXT("Упрощенное"),
                                                         OPERATOR_TEXT("Расширенное")};

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
