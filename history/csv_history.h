#pragma once
// A history in the CSV log's form, both ways: a CSV log read into a history, and a history's
// stretch written as one, so that an export loads back like a log.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "history/measurement_history.h"

namespace zorkan {

struct CsvHistory {
  MeasurementHistory history;  // the units of the file's last header
  std::size_t skippedLines = 0;
};

bool StartsWithCsvHeader(std::string_view text);
// `text`: the bytes of a CSV log (Windows-1251).
CsvHistory ReadCsvHistory(std::string_view text);

// The samples from `begin` to `end` (milliseconds since the epoch, both included) under a header,
// their times in this machine's zone, in Windows-1251.
std::string CsvHistoryText(const MeasurementHistory& history, std::int64_t begin, std::int64_t end);

}  // namespace zorkan
