#include "ui/tool_settings.h"

namespace zorkan {

namespace {

constexpr const char* kHistorySection = "HISTORY";
constexpr const char* kCsvLogKey = "CsvLog";

}  // namespace

bool ToolSettings::csvMeasurementLog() const {
  return file_.readInteger(kHistorySection, kCsvLogKey, 0) == 1;
}

bool ToolSettings::setCsvMeasurementLog(bool on) {
  return file_.writeInteger(kHistorySection, kCsvLogKey, on ? 1 : 0);
}

}  // namespace zorkan
