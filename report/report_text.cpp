#include "report/report_text.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "ini/number_text.h"
#include "report/report_blocks.h"
#include "settings/control_conversions.h"

namespace zorkan {

namespace {

constexpr std::string_view kSeparator = "_____________________________________________________";
constexpr std::string_view kObservationsLabel = "Число подтверждений при работе реле  : ";
constexpr std::string_view kReferenceHeading =
    "Данные для справки. Дополнительная корректировка измеренного значения:";

const ChannelSettings& Channel(const DeviceSettings& settings, int channelIndex) {
  return settings.channels[static_cast<std::size_t>(channelIndex)];
}

// Setpoint 1 of a channel as the two-channel instrument and the PID regulator's alarm use it.
void AppendSingleSetpoint(ReportLines& lines, const ChannelSettings& channel) {
  lines.push_back(ReportLine("Тип уставки  : ", SetpointTypeText(channel.setpointType1)));
  lines.push_back(ReportLine("Величина уставки  : ", FormatFixed(channel.setpoint1)));
  lines.push_back(ReportLine("Величина гистерезиса уставки  : ", FormatFixed(channel.hysteresis1)));
  lines.push_back(ReportLine(kObservationsLabel, std::to_string(channel.observations)));
}

// One of the two setpoints of the single-channel instrument, under its separator.
void AppendNumberedSetpoint(ReportLines& lines, std::string_view number, std::int32_t type,
                            float setpoint, float hysteresis) {
  lines.emplace_back(kSeparator);
  lines.push_back(ReportLine("Тип уставки ", number, " : ", SetpointTypeText(type)));
  lines.push_back(ReportLine("Величина уставки ", number, " : ", FormatFixed(setpoint)));
  lines.push_back(
      ReportLine("Величина гистерезиса уставки ", number, " : ", FormatFixed(hysteresis)));
}

void AppendSingleChannelBody(ReportLines& lines, const DeviceSettings& settings) {
  const ChannelSettings& channel = Channel(settings, 0);
  AppendInputBlock(lines, settings, 0);
  AppendNumberedSetpoint(lines, "1", channel.setpointType1, channel.setpoint1, channel.hysteresis1);
  AppendNumberedSetpoint(lines, "2", channel.setpointType2, channel.setpoint2, channel.hysteresis2);
  lines.emplace_back(kSeparator);
  lines.push_back(ReportLine(kObservationsLabel, std::to_string(channel.observations)));
  AppendSetpointRelayLogic(lines, settings.relays);
  lines.emplace_back(kReferenceHeading);
  AppendCorrection(lines, channel);
  AppendPolynomial(lines, channel);
}

void AppendTwoChannelBody(ReportLines& lines, const DeviceSettings& settings) {
  for (int channelIndex = 0; channelIndex < kChannelCount; ++channelIndex) {
    lines.push_back(ReportLine("Канал ", std::to_string(channelIndex + 1), ":"));
    AppendInputBlock(lines, settings, channelIndex);
    AppendSingleSetpoint(lines, Channel(settings, channelIndex));
    lines.emplace_back(kSeparator);
  }
  AppendSetpointRelayLogic(lines, settings.relays);
  lines.emplace_back(kReferenceHeading);
  for (int channelIndex = 0; channelIndex < kChannelCount; ++channelIndex) {
    lines.push_back(ReportLine("Канал ", std::to_string(channelIndex + 1)));
    AppendCorrection(lines, Channel(settings, channelIndex));
    AppendPolynomial(lines, Channel(settings, channelIndex));
  }
}

// Both regulators keep their regulated value and proportional coefficient in channel 1's
// setpoints.
void AppendRegulatedValue(ReportLines& lines, const ChannelSettings& channel) {
  lines.push_back(
      ReportLine("Заданная для регулирования величина : ", FormatFixed(channel.setpoint1)));
  lines.push_back(ReportLine("Коэффициент пропорциональности : ", FormatFixed(channel.setpoint2)));
}

void AppendValveRegulatorBody(ReportLines& lines, const DeviceSettings& settings) {
  const ChannelSettings& channel = Channel(settings, 0);
  AppendInputBlock(lines, settings, 0);
  lines.emplace_back();
  AppendRegulatedValue(lines, channel);
  lines.push_back(ReportLine("Зона нечувствительности : ", FormatFixed(channel.hysteresis1)));
  lines.push_back(ReportLine("Интервал времени выдачи управляющих воздействий : ",
                             std::to_string(channel.regulationInterval), " сек"));
  lines.push_back(ReportLine("Максимальное время управляющего импульса : ",
                             std::to_string(channel.pulseInterval), " сек"));
  lines.emplace_back();
  AppendSetpointRelayLogic(lines, settings.relays);
  lines.emplace_back(kReferenceHeading);
  AppendCorrection(lines, channel);
}

void AppendPidRegulatorBody(ReportLines& lines, const DeviceSettings& settings) {
  const ChannelSettings& channel = Channel(settings, 0);
  AppendInputBlock(lines, settings, 0);
  lines.emplace_back();
  AppendRegulatedValue(lines, channel);
  lines.push_back(ReportLine("Зона ПИД управления : ", FormatFixed(channel.hysteresis1)));
  lines.push_back(ReportLine("Период ШИМ : ", std::to_string(channel.regulationInterval), " сек"));
  lines.emplace_back();
  // The alarm setpoint of the regulator is held in channel 2's fields.
  AppendSingleSetpoint(lines, Channel(settings, 1));
  lines.emplace_back();
  lines.emplace_back("Коэффициенты ПИД регулятора:");
  lines.push_back(ReportLine("Коэфф. пропрциональности=", FormatFixed(channel.polynomial[0])));
  lines.push_back(ReportLine("Время дифференцирования=", FormatFixed(channel.polynomial[1])));
  lines.push_back(ReportLine("Время интегрирования=", FormatFixed(channel.polynomial[2])));
  lines.emplace_back();
  AppendHeaterRelayLogic(lines, settings.relays);
  AppendCorrection(lines, channel);
}

struct DeviceLayout {
  std::string_view numberPrefix;
  std::string_view typeLine;
  std::string_view summaryLine;
  void (*appendBody)(ReportLines&, const DeviceSettings&);
};

// Indexed by the device type code.
constexpr std::array<DeviceLayout, 4> kDeviceLayouts{{
    {"Прибор ЗОРКАН740/41Н номер ", "Тип прибора : ЗОРКАН 740/41 Н",
     "Одноканальный прибор с двумя уставками.", AppendSingleChannelBody},
    {"Прибор ЗОРКАН742Н номер ", "Тип прибора : ЗОРКАН 742 Н",
     "Двухканальный прибор с одной уставкой в каждом канале.", AppendTwoChannelBody},
    {"Прибор ЗОРКАН745  номер ", "Тип прибора : ЗОРКАН 745Н  ",
     "Одноканальный прибор с функцией пропорционального управления задвижками.",
     AppendValveRegulatorBody},
    {"Прибор ЗОРКАН740НР номер ", "Тип прибора : ЗОРКАН 740НР  ",
     "Одноканальный прибор с функцией ПИД управления нагревателем.", AppendPidRegulatorBody},
}};

std::string DateLine(const LocalTime& date) {
  return ReportLine("Дата печати ", std::to_string(date.day), ".", std::to_string(date.month), ".",
                    std::to_string(date.year));
}

std::string NumberLine(std::string_view prefix, const GeneralSettings& general) {
  // The quality-control code is always written with three digits.
  char qcCode[16];
  std::snprintf(qcCode, sizeof qcCode, "%03u", static_cast<unsigned>(general.qcCode));
  return ReportLine(prefix, qcCode, "-", std::to_string(ShownSerialNumber(general.serialNumber)));
}

}  // namespace

ReportText BuildReportText(const DeviceSettings& settings, const LocalTime& date) {
  ReportText text;
  text.dateLine = DateLine(date);
  const std::int32_t deviceType = settings.general.deviceType;
  if (deviceType < 0 || static_cast<std::size_t>(deviceType) >= kDeviceLayouts.size()) return text;
  const DeviceLayout& layout = kDeviceLayouts[static_cast<std::size_t>(deviceType)];
  text.numberLine = NumberLine(layout.numberPrefix, settings.general);
  text.body = {"Конфигурация прибора:", std::string(layout.typeLine),
               std::string(layout.summaryLine)};
  layout.appendBody(text.body, settings);
  return text;
}

}  // namespace zorkan
