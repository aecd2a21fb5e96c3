#pragma once
// A measurement log read for the history window: IZM.txt, or a CSV log. A damaged line is skipped
// and counted, a huge file read from its end, and anything that is no file refused, so that no
// log can stop the window or hang it.

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "history/measurement_history.h"
#include "link/clock.h"

namespace zorkan {

// Of a larger log, the end alone is read: some four days of IZM.txt at two lines a second.
constexpr std::uintmax_t kMostLogBytes = 32u * 1024 * 1024;

enum class LogFormat { MeasurementLog, CsvLog };
enum class LogProblem { None, Missing, NotAFile, Unreadable, NoLines };

struct LogReading {
  LogProblem problem = LogProblem::None;
  LogFormat format = LogFormat::MeasurementLog;
  MeasurementHistory history;
  std::size_t skippedLines = 0;  // that no log of the format holds
  bool onlyEnd = false;          // the file was larger than kMostLogBytes
  // IZM.txt: when the file last changed, which dated its last line, and the midnights its lines
  // cross.
  LocalTime fileTime;
  int midnights = 0;
};

// A CSV log by its name (".csv") or its header; anything else is read as IZM.txt.
LogReading ReadMeasurementLog(const std::filesystem::path& path);

}  // namespace zorkan
