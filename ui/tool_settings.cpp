#include "ui/tool_settings.h"

namespace zorkan {

namespace {

constexpr const char* kHistorySection = "HISTORY";
constexpr const char* kCsvLogKey = "CsvLog";
constexpr const char* kWindowSection = "Window";
constexpr const char* kLanguageKey = "Language";

}  // namespace

bool ToolSettings::csvMeasurementLog() const {
  return file_.readInteger(kHistorySection, kCsvLogKey, 0) == 1;
}

bool ToolSettings::setCsvMeasurementLog(bool on) {
  return file_.writeInteger(kHistorySection, kCsvLogKey, on ? 1 : 0);
}

Language ToolSettings::language() const {
  return LanguageOfCode(file_.readText(kWindowSection, kLanguageKey, ""));
}

bool ToolSettings::setLanguage(Language language) {
  return file_.writeText(kWindowSection, kLanguageKey, LanguageCode(language));
}

}  // namespace zorkan
