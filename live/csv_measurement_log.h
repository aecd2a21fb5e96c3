#pragma once
// The dated measurement log: beside IZM.txt, which stays as it is, each tick that the measurement
// log writes also goes to a CSV file of its day, IZM-YYYYMMDD.csv in the working folder, with its
// date, milliseconds and zone, both channels' values and statuses, the relays and the setpoints,
// under a header that names each column and its unit. Windows-1251 text with CR LF line ends, like
// every file of the tool.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "link/clock.h"
#include "live/live_values.h"
#include "live/measurement_log.h"
#include "settings/device_settings.h"

namespace zorkan {

// The units of channel 1 and channel 2; the setpoints are in their channel's unit.
using ChannelUnits = std::array<std::string, 2>;

// One line of the CSV log.
struct LoggedTick {
  LocalTime time;  // of the live request's wait, as IZM.txt has it, with milliseconds and zone
  LoggedMeasurement measurement;
  float setpoint = 0;       // the regulated value of channel 1, as the pages hold it
  float alarmSetpoint = 0;  // the alarm setpoint (channel 2's first), as the pages hold it
};

// "time (ISO 8601),relay1 (0/1),relay2 (0/1),channel1 (°C),status1 (code),…", CR LF included (as
// for the line), UTF-8. A unit loses the characters that would end its column or its parentheses.
std::string CsvLogHeader(const ChannelUnits& units);
// "2026-12-08T14:30:05.500+03:00,1,0,150.2500,0,…": a setpoint that is no number (a history read
// from IZM.txt has none) leaves its field empty.
std::string CsvLogLine(const LoggedTick& tick);
// The units a header names; nullopt for any other line.
std::optional<ChannelUnits> ParseCsvLogHeader(std::string_view line);
// nullopt for anything CsvLogLine cannot have written; an empty setpoint field reads as NaN.
std::optional<LoggedTick> ParseCsvLogLine(std::string_view line);

// "IZM-20261208.csv": the file of the day `time` falls on.
std::string CsvLogFileName(const LocalTime& time);

class CsvMeasurementLog {
 public:
  // Off until switched on.
  explicit CsvMeasurementLog(std::filesystem::path folder) : folder_(std::move(folder)) {}

  bool on() const { return on_; }
  void switchOn(bool on) { on_ = on; }

  // Appends one line to the file of the tick's day while switched on. A header goes first where
  // the file holds none yet, or when the units differ from those its last header names (another
  // sensor, or a profile that names another unit). A file that cannot be opened skips the line
  // silently, as the measurement log does.
  void append(const LiveValues& values, const DeviceSettings& settings, const LocalTime& time);

 private:
  std::filesystem::path folder_;
  bool on_ = false;
  std::filesystem::path lastFile_;
  std::string lastHeader_;  // the last header of lastFile_
};

}  // namespace zorkan
