#pragma once
// What the history window says about the logs it shows: how their moments were found, what could
// not be read, and the cursor's readout.

#include <QCoreApplication>
#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

#include "history/log_reading.h"

namespace zorkan {

class HistoryTexts {
  Q_DECLARE_TR_FUNCTIONS(zorkan::HistoryTexts)

 public:
  // For the line over the chart: where the moments of a log read come from, and what was left
  // out; logs that have the same said of them share the sentence.
  static QString aboutReadings(const std::vector<std::filesystem::path>& paths,
                               const std::vector<LogReading>& readings);
  // Why a log could not be shown at all.
  static QString whyNotShown(const std::filesystem::path& path, const LogReading& reading);
  static QString nothingLogged();
  // The sample nearest to the cursor; nullopt: no sample near it.
  static QString readout(const MeasurementHistory& history, std::optional<std::size_t> sample);
  static QString unwritable(const QString& path);
};

}  // namespace zorkan
