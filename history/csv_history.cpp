#include "history/csv_history.h"

#include <algorithm>

#include "history/moments.h"
#include "ini/cp1251.h"
#include "live/log_fields.h"

namespace zorkan {

namespace {

std::optional<ChannelUnits> HeaderUnits(std::string_view line) {
  return ParseCsvLogHeader(Cp1251ToUtf8(line));
}

}  // namespace

bool StartsWithCsvHeader(std::string_view text) {
  return HeaderUnits(text.substr(0, text.find('\n'))).has_value();
}

CsvHistory ReadCsvHistory(std::string_view text) {
  CsvHistory csv;
  ForEachLine(text, [&csv](std::string_view line) {
    if (const auto tick = ParseCsvLogLine(line)) {
      csv.history.samples.push_back(
          {MomentOf(tick->time), tick->measurement, tick->setpoint, tick->alarmSetpoint});
    } else if (const auto units = HeaderUnits(line)) {
      csv.history.units = *units;
    } else {
      ++csv.skippedLines;
    }
  });
  SortByMoment(csv.history.samples);
  return csv;
}

std::string CsvHistoryText(const MeasurementHistory& history, std::int64_t begin,
                           std::int64_t end) {
  const auto& samples = history.samples;
  const auto from = std::lower_bound(
      samples.begin(), samples.end(), begin,
      [](const HistorySample& sample, std::int64_t moment) { return sample.moment < moment; });
  std::string text = CsvLogHeader(history.units);
  for (auto sample = from; sample != samples.end() && sample->moment <= end; ++sample) {
    text += CsvLogLine({LocalTimeAt(sample->moment), sample->measurement, sample->setpoint,
                        sample->alarmSetpoint});
  }
  return Utf8ToCp1251(text);
}

}  // namespace zorkan
