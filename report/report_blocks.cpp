#include "report/report_blocks.h"

#include <array>
#include <span>
#include <string_view>
#include <utility>

#include "ini/number_text.h"
#include "settings/enumerations.h"

namespace zorkan {

namespace {

// A hand-edited profile can hold any code; the report then names the code rather than read past
// its list.
std::string ListText(std::span<const std::string_view> list, std::int32_t code) {
  if (code < 0 || static_cast<std::size_t>(code) >= list.size()) {
    return ReportLine("код ", std::to_string(code));
  }
  return std::string(list[static_cast<std::size_t>(code)]);
}

std::string BasicErrorText(const DeviceSettings& settings, std::int32_t sensorType) {
  if (sensorType < 0 || sensorType >= kSensorTypeCount) return "нет данных";
  return ReportLine(FormatFixed(settings.sensorBounds[static_cast<std::size_t>(sensorType)].pogr),
                    " %");
}

// The instrument extracts roots of current and millivolt signals only, not of the 0-10 V input.
bool ExtractsRoot(const ChannelSettings& channel) {
  return channel.sensorType >= kSensorCurrent0To5mA &&
         channel.sensorType <= kSensorVoltage0To75mV && channel.rootExtraction != 0;
}

// A relay's mask pair: the channel-1 byte ("A") and the channel-2 byte ("B").
enum class MaskByte { kChannel1, kChannel2 };

struct RelayEvent {
  MaskByte byte;
  std::int32_t bit;
  std::string_view text;      // after "Реле N "
  std::string_view followUp;  // a line of its own, without the relay's name
};

constexpr std::string_view kOpensOnAction = "при срабатывании - задвижка открывается";

// In the order the report spells them, which is not the order of the bits.
constexpr std::array<RelayEvent, 10> kSetpointRelayEvents{{
    {MaskByte::kChannel1, 0x01, "сработает от уставки 1 канала 1", {}},
    {MaskByte::kChannel1, 0x02, "сработает от уставки 2 канала 1", {}},
    {MaskByte::kChannel1, 0x04, "сработает от обрыва в канале 1", {}},
    {MaskByte::kChannel2, 0x01, "сработает от уставки 1 канала 2", {}},
    {MaskByte::kChannel2, 0x02, "сработает от уставки 2 канала 2", {}},
    {MaskByte::kChannel2, 0x04, "сработает от обрыва в канале 2", {}},
    {MaskByte::kChannel1, 0x08, "включает закрывание задвижки", {}},
    {MaskByte::kChannel1, 0x10, "включает открывание задвижки", {}},
    {MaskByte::kChannel1, 0x40, "включает привод задвижки", {}},
    {MaskByte::kChannel1, 0x20, "выбирает направление привода задвижки", kOpensOnAction},
}};

// The PID regulator's alarm setpoint and sensor break live in channel 2's fields.
constexpr std::array<RelayEvent, 6> kHeaterRelayEvents{{
    {MaskByte::kChannel2, 0x01, "сработает от уставки канала", {}},
    {MaskByte::kChannel2, 0x04, "сработает от обрыва в канале", {}},
    {MaskByte::kChannel1, 0x08, "выключает нагрев", {}},
    {MaskByte::kChannel1, 0x10, "включает нагрев", {}},
    {MaskByte::kChannel1, 0x40, "включает привод задвижки", {}},
    {MaskByte::kChannel1, 0x20, "выбирает направление привода задвижки", kOpensOnAction},
}};

void AppendRelayLogic(ReportLines& lines, const RelayLogic& relays,
                      std::span<const RelayEvent> events) {
  for (int relay = 0; relay < kRelayCount; ++relay) {
    const std::string number = std::to_string(relay + 1);
    const auto& masks = relays.relayMask[static_cast<std::size_t>(relay)];
    lines.push_back(ReportLine("Логика работы реле ", number, ":"));
    for (const RelayEvent& event : events) {
      if ((masks[static_cast<std::size_t>(event.byte)] & event.bit) == 0) continue;
      lines.push_back(ReportLine("Реле ", number, " ", event.text));
      if (!event.followUp.empty()) lines.emplace_back(event.followUp);
    }
    lines.emplace_back();
  }
}

}  // namespace

std::string SetpointTypeText(std::int32_t code) {
  return ListText(kSetpointTypeTexts, code);
}

void AppendInputBlock(ReportLines& lines, const DeviceSettings& settings, int channelIndex) {
  const ChannelSettings& channel = settings.channels[static_cast<std::size_t>(channelIndex)];
  lines.push_back(ReportLine("Тип датчика : ", ListText(kSensorTypeTexts, channel.sensorType)));
  lines.push_back(ReportLine("Диапазон измерений : ", FormatFixed(channel.rangeMin), "...",
                             FormatFixed(channel.rangeMax)));
  lines.push_back(ReportLine("Пределы допустимой основной погрешности : ",
                             BasicErrorText(settings, channel.sensorType)));
  if (ExtractsRoot(channel)) lines.emplace_back("Включено корнеизвлечение");
  lines.push_back(ReportLine("Число усреднений : ", std::to_string(channel.averaging)));
  lines.push_back(ReportLine("Число знаков после запятой : ", std::to_string(channel.decimals)));
}

void AppendSetpointRelayLogic(ReportLines& lines, const RelayLogic& relays) {
  AppendRelayLogic(lines, relays, kSetpointRelayEvents);
}

void AppendHeaterRelayLogic(ReportLines& lines, const RelayLogic& relays) {
  AppendRelayLogic(lines, relays, kHeaterRelayEvents);
}

void AppendCorrection(ReportLines& lines, const ChannelSettings& channel) {
  lines.push_back(ReportLine("0 : ", FormatFixed(channel.offset)));
  lines.push_back(ReportLine("Диапазон : ", FormatFixed(channel.rangeAdjust)));
}

void AppendPolynomial(ReportLines& lines, const ChannelSettings& channel) {
  lines.emplace_back("Коэффициенты корректирующего полинома:");
  std::string coefficients;
  for (std::size_t k = 0; k < channel.polynomial.size(); ++k) {
    if (k > 0) coefficients += ' ';
    coefficients.append(
        ReportLine("K", std::to_string(k), "=", FormatFixed(channel.polynomial[k])));
  }
  lines.push_back(std::move(coefficients));
}

}  // namespace zorkan
