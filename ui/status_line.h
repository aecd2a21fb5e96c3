#pragma once
// The status line at the foot of the main window: where the window talks to (port, its path, baud
// rate, network address), which instrument the pages hold, whether it answers and how long ago it
// last did, and a short word after each action that succeeded (cut short, with its whole text as
// the tip, where the window is too narrow). It learns all of it from the link,
// the model and the clock, never from guesses of its own.

#include <QStatusBar>
#include <QTimer>
#include <filesystem>

#include "link/clock.h"
#include "link/device_link.h"
#include "link/link_settings.h"
#include "settings/device_settings.h"
#include "workflows/instrument_search.h"

class QLabel;

namespace zorkan {

class StatusLine final : public QStatusBar {
 public:
  StatusLine(const DeviceLink& link, const LinkSettings& linkSettings,
             const DeviceSettings& settings, const Clock& clock, std::filesystem::path workDir,
             QWidget* parent);

  // Shows the link and the pages as they are now; the line also does so every second by itself.
  void refresh();
  // After an action: `confirmation` with the time of day when it succeeded ("Записано в прибор
  // № 12345, 14:31:05"); nothing when it failed, since its box has said what happened.
  void showOutcome(bool succeeded, const QString& confirmation);

 private:
  QLabel* addPart(const char* name, bool permanent);

  const DeviceLink& link_;
  const LinkSettings& linkSettings_;
  const DeviceSettings& settings_;
  const Clock& clock_;
  const std::filesystem::path workDir_;
  QLabel* confirmation_;
  QLabel* place_;
  QLabel* instrument_;
  QLabel* linkState_;
  QTimer ticker_;
};

// The confirmations: "Прочитано из прибора № 12345", "Записано в прибор № 12345" ("…из прибора",
// "…в прибор" while the pages know no serial number).
QString ReadConfirmation(const DeviceSettings& settings);
QString WriteConfirmation(const DeviceSettings& settings);
// "Обмен с прибором № 12351: адрес 7, 19200 бод".
QString AdoptionConfirmation(const FoundInstrument& found);

}  // namespace zorkan
