#include "history/newest_logs.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>

#include "live/csv_measurement_log.h"
#include "live/log_fields.h"

namespace zorkan {

namespace {

// The day a CSV log's name gives ("IZM-20261208.csv"), as CsvLogFileName writes it.
std::optional<std::chrono::sys_days> DayOfCsvLog(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  const LocalTime probe{2000, 1, 1};
  if (name.size() != CsvLogFileName(probe).size() || !name.starts_with("IZM-") ||
      !name.ends_with(".csv")) {
    return std::nullopt;
  }
  const auto year = WholeUnsigned(std::string_view(name).substr(4, 4), 10, 9999);
  const auto month = WholeUnsigned(std::string_view(name).substr(8, 2), 10, 12);
  const auto day = WholeUnsigned(std::string_view(name).substr(10, 2), 10, 31);
  if (!year || !month || !day) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year(static_cast<int>(*year)),
                                         std::chrono::month(*month), std::chrono::day(*day)};
  if (!date.ok()) return std::nullopt;
  return std::chrono::sys_days(date);
}

std::filesystem::path CsvLogOf(const std::filesystem::path& folder, std::chrono::sys_days day) {
  const std::chrono::year_month_day date(day);
  return folder / CsvLogFileName({static_cast<int>(date.year()),
                                  static_cast<int>(static_cast<unsigned>(date.month())),
                                  static_cast<int>(static_cast<unsigned>(date.day()))});
}

std::filesystem::file_time_type ChangedAt(const std::filesystem::path& file) {
  std::error_code error;
  const auto changed = std::filesystem::last_write_time(file, error);
  return error ? std::filesystem::file_time_type::min() : changed;
}

}  // namespace

std::vector<std::filesystem::path> NewestLogs(const std::filesystem::path& folder,
                                              const std::filesystem::path& measurementLog) {
  std::optional<std::chrono::sys_days> latest;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const auto day = DayOfCsvLog(entry.path());
    if (day && entry.is_regular_file(error) && (!latest || *day > *latest)) latest = day;
  }
  const bool measurementLogThere = std::filesystem::is_regular_file(measurementLog, error);
  if (!latest) {
    if (measurementLogThere) return {measurementLog};
    return {};
  }
  const std::filesystem::path newestCsv = CsvLogOf(folder, *latest);
  if (measurementLogThere && ChangedAt(measurementLog) > ChangedAt(newestCsv)) {
    return {measurementLog};
  }
  std::vector<std::filesystem::path> logs;
  const std::filesystem::path dayBefore = CsvLogOf(folder, *latest - std::chrono::days{1});
  if (std::filesystem::is_regular_file(dayBefore, error)) logs.push_back(dayBefore);
  logs.push_back(newestCsv);
  return logs;
}

}  // namespace zorkan
