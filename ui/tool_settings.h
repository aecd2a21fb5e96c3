#pragma once
// The window's own choices that outlive a run, in zorkan-config.ini of the working folder: never
// in dev.dat, whose bytes belong to the link and the instrument's tools. Each choice is a key of
// its own, read when asked for and written at once, atomically, so that choices added later share
// the file and a refused write loses none of the others.

#include <filesystem>

#include "ini/ini_file.h"
#include "ui/window_language.h"

namespace zorkan {

class ToolSettings {
 public:
  static constexpr const char* kFileName = "zorkan-config.ini";

  explicit ToolSettings(const std::filesystem::path& workDir) : file_(workDir / kFileName) {}

  const std::filesystem::path& path() const { return file_.path(); }

  // "Журнал измерений в CSV": off until switched on.
  bool csvMeasurementLog() const;
  // false when the file could not be written.
  [[nodiscard]] bool setCsvMeasurementLog(bool on);

  // "Язык / Language": Russian until English is chosen.
  Language language() const;
  // false when the file could not be written.
  [[nodiscard]] bool setLanguage(Language language);

 private:
  IniFile file_;
};

}  // namespace zorkan
