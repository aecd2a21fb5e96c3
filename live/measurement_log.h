#pragma once
// Measurement statuses and the measurement log: one tab-separated line of live values, appended to
// a text file that is opened and closed for every line.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "link/clock.h"
#include "link/link_settings.h"
#include "live/live_values.h"

namespace zorkan {

// The text of a channel's status byte; a status the instrument does not define says which one
// arrived ("Неизвестный статус 23").
std::string MeasurementStatusText(int status);

// "%02u:%02u:%02u\t%02x\t%8.4f\t%02x\t%8.4f\t%02x\n": time of the live request's wait, relays,
// each channel's value and status.
std::string MeasurementLogLine(const LiveValues& values, const LocalTime& time);

// What a measurement-log line holds of the live values.
struct LoggedMeasurement {
  std::uint8_t relays = 0;  // kRelay1On, kRelay2On
  std::array<float, 2> values{};
  std::array<std::uint8_t, 2> statuses{};
  bool operator==(const LoggedMeasurement&) const = default;
};
LoggedMeasurement LoggedPart(const LiveValues& values);

// A line of MeasurementLogLine read back: its time of day (the line carries no date) and values.
struct MeasurementLogLineParts {
  int secondOfDay = 0;
  LoggedMeasurement measurement;
};
// nullopt for anything MeasurementLogLine cannot have written.
std::optional<MeasurementLogLineParts> ParseMeasurementLogLine(std::string_view line);

// The measurement log of the link settings, relative to `workDir`; empty when its switch is off
// (anything but exactly 1).
std::filesystem::path MeasurementLogPath(const LinkSettings& settings,
                                         const std::filesystem::path& workDir);

// A file that cannot be opened skips the line silently; an empty path writes nothing.
void AppendMeasurementLog(const std::filesystem::path& path, std::string_view line);

}  // namespace zorkan
