#include "live/csv_measurement_log.h"

#include <cmath>
#include <cstdio>
#include <fstream>

#include "ini/cp1251.h"
#include "ini/number_text.h"
#include "live/log_fields.h"
#include "live/sensor_units.h"

namespace zorkan {

namespace {

constexpr std::size_t kColumnCount = 9;
constexpr std::string_view kLineEnd = "\r\n";
// Each column's name; the unit follows it in parentheses.
constexpr std::array<std::string_view, kColumnCount> kColumnNames{
    "time",     "relay1",  "relay2",   "channel1",      "status1",
    "channel2", "status2", "setpoint", "alarm setpoint"};
constexpr std::size_t kChannelColumns[2] = {3, 5};
// A header is found again by its beginning, data lines begin with a digit.
constexpr std::string_view kHeaderStart = "time (";
// How much of a file's end is searched at a time for its last header.
constexpr std::streamoff kSearchPiece = 64 * 1024;
constexpr std::size_t kLongestHeader = 4096;

std::string UnitInColumn(std::string unit) {
  for (char& c : unit) {
    if (c == ',' || c == '(' || c == ')' || c == '"' || c == '\r' || c == '\n') c = ' ';
  }
  return unit;
}

std::string Number(float value) {
  if (std::isnan(value)) return {};
  std::string text = FormatFixed(value);
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

// "2026-12-08T14:30:05.500+03:00", or with "Z" for the zone, milliseconds optional.
std::optional<LocalTime> ParseTime(std::string_view text) {
  const auto digits = [&text](std::size_t at, std::size_t count, unsigned max) {
    return text.size() >= at + count ? WholeUnsigned(text.substr(at, count), 10, max)
                                     : std::nullopt;
  };
  const auto at = [&text](std::size_t place, char c) {
    return place < text.size() && text[place] == c;
  };
  const auto year = digits(0, 4, 9999);
  const auto month = digits(5, 2, 12);
  const auto day = digits(8, 2, 31);
  const auto hour = digits(11, 2, 23);
  const auto minute = digits(14, 2, 59);
  const auto second = digits(17, 2, 60);
  if (!year || !month || !day || !hour || !minute || !second || !at(4, '-') || !at(7, '-') ||
      !at(10, 'T') || !at(13, ':') || !at(16, ':') || *month == 0 || *day == 0) {
    return std::nullopt;
  }
  LocalTime time{static_cast<int>(*year), static_cast<int>(*month),  static_cast<int>(*day),
                 static_cast<int>(*hour), static_cast<int>(*minute), static_cast<int>(*second)};
  std::size_t zone = 19;
  if (at(zone, '.')) {
    const auto milliseconds = digits(20, 3, 999);
    if (!milliseconds) return std::nullopt;
    time.millisecond = static_cast<int>(*milliseconds);
    zone = 23;
  }
  if (at(zone, 'Z') && text.size() == zone + 1) return time;
  const auto zoneHours = digits(zone + 1, 2, 14);
  const auto zoneMinutes = digits(zone + 4, 2, 59);
  if ((!at(zone, '+') && !at(zone, '-')) || !zoneHours || !at(zone + 3, ':') || !zoneMinutes ||
      text.size() != zone + 6) {
    return std::nullopt;
  }
  const int offset = static_cast<int>(*zoneHours * 60 + *zoneMinutes);
  time.utcOffsetMinutes = at(zone, '-') ? -offset : offset;
  return time;
}

std::optional<float> SetpointField(std::string_view field) {
  if (field.empty()) return std::nanf("");
  return WholeFloat(field);
}

// The last line of the file that begins as a header does; empty when there is none or no file.
std::string LastHeaderIn(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return {};
  std::streamoff end = file.tellg();
  std::string tail;
  while (end > 0) {
    const std::streamoff begin = end > kSearchPiece ? end - kSearchPiece : 0;
    std::string piece(static_cast<std::size_t>(end - begin), '\0');
    file.seekg(begin);
    if (!file.read(piece.data(), static_cast<std::streamsize>(piece.size()))) return {};
    tail = piece + tail;
    for (std::size_t found = tail.rfind(kHeaderStart); found != std::string::npos;
         found = found == 0 ? std::string::npos : tail.rfind(kHeaderStart, found - 1)) {
      const bool lineStart = found > 0 ? tail[found - 1] == '\n' : begin == 0;
      const std::size_t lineEnd = tail.find('\n', found);
      if (lineStart && lineEnd != std::string::npos) {
        return Cp1251ToUtf8(tail.substr(found, lineEnd + 1 - found));
      }
    }
    // Only the tail's first line may have begun in the piece before it; one this long is no
    // header.
    if (const std::size_t firstLineEnd = tail.find('\n'); firstLineEnd != std::string::npos) {
      tail.erase(firstLineEnd + 1);
    }
    if (tail.size() > kLongestHeader) tail.clear();
    end = begin;
  }
  return {};
}

}  // namespace

std::string CsvLogHeader(const ChannelUnits& units) {
  std::array<std::string, kColumnCount> columnUnits{"ISO 8601",
                                                    "0/1",
                                                    "0/1",
                                                    UnitInColumn(units[0]),
                                                    "code",
                                                    UnitInColumn(units[1]),
                                                    "code",
                                                    UnitInColumn(units[0]),
                                                    UnitInColumn(units[1])};
  std::string header;
  for (std::size_t column = 0; column < kColumnCount; ++column) {
    if (column > 0) header += ',';
    header += kColumnNames[column];
    header += " (" + columnUnits[column] + ")";
  }
  header += kLineEnd;
  return header;
}

std::string CsvLogLine(const LoggedTick& tick) {
  const LoggedMeasurement& m = tick.measurement;
  std::string line = IsoTimeWithZoneText(tick.time);
  for (const std::string& field :
       {std::to_string(m.relays & kRelay1On ? 1 : 0), std::to_string(m.relays & kRelay2On ? 1 : 0),
        Number(m.values[0]), std::to_string(m.statuses[0]), Number(m.values[1]),
        std::to_string(m.statuses[1]), Number(tick.setpoint), Number(tick.alarmSetpoint)}) {
    line += ',';
    line += field;
  }
  line += kLineEnd;
  return line;
}

std::optional<ChannelUnits> ParseCsvLogHeader(std::string_view line) {
  const auto fields = SplitFields<kColumnCount>(WithoutLineEnd(line), ',');
  if (!fields) return std::nullopt;
  ChannelUnits units;
  for (std::size_t column = 0; column < kColumnCount; ++column) {
    const std::string_view field = (*fields)[column];
    const std::string opening = std::string(kColumnNames[column]) + " (";
    if (!field.starts_with(opening) || !field.ends_with(')')) return std::nullopt;
    for (std::size_t channel = 0; channel < 2; ++channel) {
      if (column != kChannelColumns[channel]) continue;
      units[channel] = field.substr(opening.size(), field.size() - opening.size() - 1);
    }
  }
  return units;
}

std::optional<LoggedTick> ParseCsvLogLine(std::string_view line) {
  const auto fields = SplitFields<kColumnCount>(WithoutLineEnd(line), ',');
  if (!fields) return std::nullopt;
  const auto& f = *fields;
  const auto time = ParseTime(f[0]);
  const auto relay1 = WholeUnsigned(f[1], 10, 1);
  const auto relay2 = WholeUnsigned(f[2], 10, 1);
  const auto value1 = WholeFloat(f[3]);
  const auto status1 = WholeUnsigned(f[4], 10, 0xFF);
  const auto value2 = WholeFloat(f[5]);
  const auto status2 = WholeUnsigned(f[6], 10, 0xFF);
  const auto setpoint = SetpointField(f[7]);
  const auto alarmSetpoint = SetpointField(f[8]);
  if (!time || !relay1 || !relay2 || !value1 || !status1 || !value2 || !status2 || !setpoint ||
      !alarmSetpoint) {
    return std::nullopt;
  }
  return LoggedTick{
      *time,
      {static_cast<std::uint8_t>((*relay1 ? kRelay1On : 0) | (*relay2 ? kRelay2On : 0)),
       {*value1, *value2},
       {static_cast<std::uint8_t>(*status1), static_cast<std::uint8_t>(*status2)}},
      *setpoint,
      *alarmSetpoint};
}

std::string CsvLogFileName(const LocalTime& time) {
  char name[32];
  std::snprintf(name, sizeof name, "IZM-%04d%02d%02d.csv", time.year, time.month, time.day);
  return name;
}

void CsvMeasurementLog::append(const LiveValues& values, const DeviceSettings& settings,
                               const LocalTime& time) {
  if (!on_) return;
  const std::filesystem::path path = folder_ / CsvLogFileName(time);
  if (path != lastFile_) {
    lastFile_ = path;
    lastHeader_ = LastHeaderIn(path);
  }
  const std::string header =
      CsvLogHeader({SensorUnitText(settings.channels[0]), SensorUnitText(settings.channels[1])});
  std::string text;
  if (header != lastHeader_) text = header;
  text += CsvLogLine(
      {time, LoggedPart(values), settings.channels[0].setpoint1, settings.channels[1].setpoint1});
  std::ofstream file(path, std::ios::binary | std::ios::app);
  if (!file || !(file << Utf8ToCp1251(text))) return;
  lastHeader_ = header;
}

}  // namespace zorkan
