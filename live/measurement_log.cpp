#include "live/measurement_log.h"

#include <array>
#include <cstdio>
#include <fstream>

#include "ini/number_text.h"
#include "live/log_fields.h"
#include "operator/operator_text.h"

namespace zorkan {

namespace {

constexpr std::string_view kSomeError = OPERATOR_TEXT("Какая то ошибка");

constexpr std::array<std::string_view, 16> kMeasurementStatusTexts{
    OPERATOR_TEXT("Нормальное измерение"),
    kSomeError,
    kSomeError,
    kSomeError,
    OPERATOR_TEXT("Ошибка в плавающей арифметике"),
    kSomeError,
    kSomeError,
    OPERATOR_TEXT("Не отвечает канальный АЦП"),
    OPERATOR_TEXT("Выход за диапазон"),
    OPERATOR_TEXT("Обрыв"),
    kSomeError,
    kSomeError,
    OPERATOR_TEXT("Канал выключен"),
    OPERATOR_TEXT("Данные еще не готовы"),
    OPERATOR_TEXT("Ошибка компенсатора холодного спая"),
    OPERATOR_TEXT("Ошибка в градуировках"),
};

std::string TwoHexDigits(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02x", value & 0xFF);
  return text;
}

}  // namespace

std::string MeasurementStatusText(int status) {
  if (status < 0 || status >= static_cast<int>(kMeasurementStatusTexts.size())) {
    return FillText(OPERATOR_TEXT("Неизвестный статус %1"), status);
  }
  return std::string(kMeasurementStatusTexts[static_cast<std::size_t>(status)]);
}

std::string MeasurementLogLine(const LiveValues& values, const LocalTime& time) {
  char clock[16];
  std::snprintf(clock, sizeof clock, "%02u:%02u:%02u", static_cast<unsigned>(time.hour),
                static_cast<unsigned>(time.minute), static_cast<unsigned>(time.second));
  std::string line = clock;
  const auto field = [&line](const std::string& text) {
    line += '\t';
    line += text;
  };
  field(TwoHexDigits(values.relays));
  for (const ChannelLiveValues& channel : values.channels) {
    field(FormatFixed(channel.value));
    field(TwoHexDigits(channel.status));
  }
  line += '\n';
  return line;
}

LoggedMeasurement LoggedPart(const LiveValues& values) {
  return {values.relays,
          {values.channels[0].value, values.channels[1].value},
          {values.channels[0].status, values.channels[1].status}};
}

std::optional<MeasurementLogLineParts> ParseMeasurementLogLine(std::string_view line) {
  const auto fields = SplitFields<6>(WithoutLineEnd(line), '\t');
  if (!fields) return std::nullopt;
  const auto clock = SplitFields<3>((*fields)[0], ':');
  if (!clock) return std::nullopt;
  const auto twoDigits = [](std::string_view field, int base, unsigned max) {
    return field.size() == 2 ? WholeUnsigned(field, base, max) : std::nullopt;
  };
  const auto hour = twoDigits((*clock)[0], 10, 23);
  const auto minute = twoDigits((*clock)[1], 10, 59);
  const auto second = twoDigits((*clock)[2], 10, 59);
  const auto relays = twoDigits((*fields)[1], 16, 0xFF);
  const auto value1 = WholeFloat((*fields)[2]);
  const auto status1 = twoDigits((*fields)[3], 16, 0xFF);
  const auto value2 = WholeFloat((*fields)[4]);
  const auto status2 = twoDigits((*fields)[5], 16, 0xFF);
  if (!hour || !minute || !second || !relays || !value1 || !status1 || !value2 || !status2) {
    return std::nullopt;
  }
  return MeasurementLogLineParts{
      static_cast<int>(*hour * 3600 + *minute * 60 + *second),
      {static_cast<std::uint8_t>(*relays),
       {*value1, *value2},
       {static_cast<std::uint8_t>(*status1), static_cast<std::uint8_t>(*status2)}}};
}

std::filesystem::path MeasurementLogPath(const LinkSettings& settings,
                                         const std::filesystem::path& workDir) {
  if (settings.measurementLogSwitch != 1) return {};
  return workDir / settings.measurementLogFileName;
}

void AppendMeasurementLog(const std::filesystem::path& path, std::string_view line) {
  if (path.empty()) return;
  std::ofstream file(path, std::ios::app);
  if (file) file << line;
}

}  // namespace zorkan
