#include "history/log_reading.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "history/csv_history.h"
#include "history/log_dating.h"
#include "history/moments.h"
#include "live/log_fields.h"

namespace zorkan {

namespace {

struct LogText {
  LogProblem problem = LogProblem::None;
  std::string bytes;
  bool onlyEnd = false;
};

// At most kMostLogBytes of the file's end, from a line's beginning. Only a regular file is
// opened: a pipe or a device in its place could block the window for ever.
LogText Refused(LogProblem problem) {
  LogText text;
  text.problem = problem;
  return text;
}

LogText ReadLogText(const std::filesystem::path& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) return Refused(LogProblem::Missing);
  if (!std::filesystem::is_regular_file(status)) return Refused(LogProblem::NotAFile);
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return Refused(LogProblem::Unreadable);
  const std::streamoff size = file.tellg();
  const auto most = static_cast<std::streamoff>(kMostLogBytes);
  LogText text;
  text.onlyEnd = size > most;
  text.bytes.resize(static_cast<std::size_t>(std::min(size, most)));
  file.seekg(size - static_cast<std::streamoff>(text.bytes.size()));
  if (!file.read(text.bytes.data(), static_cast<std::streamsize>(text.bytes.size()))) {
    return Refused(LogProblem::Unreadable);
  }
  if (text.onlyEnd) text.bytes.erase(0, std::min(text.bytes.size(), text.bytes.find('\n') + 1));
  return text;
}

bool NamedAsCsv(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".csv";
}

void ReadIzmLines(std::string_view text, const std::filesystem::path& path, LogReading& reading) {
  std::vector<MeasurementLogLineParts> lines;
  ForEachLine(text, [&](std::string_view line) {
    if (const auto parts = ParseMeasurementLogLine(line)) {
      lines.push_back(*parts);
    } else {
      ++reading.skippedLines;
    }
  });
  reading.fileTime = FileTime(path);
  DatedLines dated = DateMeasurementLogLines(lines, reading.fileTime);
  reading.midnights = dated.midnights;
  reading.history.samples = std::move(dated.samples);
}

}  // namespace

LogReading ReadMeasurementLog(const std::filesystem::path& path) {
  LogText text = ReadLogText(path);
  LogReading reading;
  reading.problem = text.problem;
  if (text.problem != LogProblem::None) return reading;
  reading.onlyEnd = text.onlyEnd;
  if (NamedAsCsv(path) || StartsWithCsvHeader(text.bytes)) {
    reading.format = LogFormat::CsvLog;
    CsvHistory csv = ReadCsvHistory(text.bytes);
    reading.history = std::move(csv.history);
    reading.skippedLines = csv.skippedLines;
  } else {
    ReadIzmLines(text.bytes, path, reading);
  }
  if (reading.history.samples.empty()) reading.problem = LogProblem::NoLines;
  return reading;
}

}  // namespace zorkan
