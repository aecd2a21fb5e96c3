#pragma once
// The status line at the foot of the main window: where the window talks to (port, its path, baud
// rate, network address), which instrument the pages hold, whether it answers and how long ago it
// last did, and a short word after each action that succeeded (cut short, with its whole text as
// the tip, where the window is too narrow). It learns all of it from the link,
// the model and the clock, never from guesses of its own.

#include <QCoreApplication>
#include <QStatusBar>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <optional>

#include "link/clock.h"
#include "link/device_link.h"
#include "link/link_settings.h"
#include "settings/device_settings.h"
#include "workflows/instrument_search.h"

class QLabel;

namespace zorkan {

// A confirmation as the line shows it, made in the language shown at the time.
using Confirmation = std::function<QString()>;

class StatusLine final : public QStatusBar {
  Q_DECLARE_TR_FUNCTIONS(zorkan::StatusLine)

 public:
  StatusLine(const DeviceLink& link, const LinkSettings& linkSettings,
             const DeviceSettings& settings, const Clock& clock, std::filesystem::path workDir,
             QWidget* parent);

  // Shows the link and the pages as they are now; the line also does so every second by itself.
  void refresh();
  // After an action: `confirmation` with the time of day when it succeeded ("Записано в прибор
  // № 12345, 14:31:05"); nothing when it failed, since its box has said what happened.
  void showOutcome(bool succeeded, Confirmation confirmation);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QLabel* addPart(const char* name, bool permanent);
  void showConfirmation();

  const DeviceLink& link_;
  const LinkSettings& linkSettings_;
  const DeviceSettings& settings_;
  const Clock& clock_;
  const std::filesystem::path workDir_;
  QLabel* confirmationPart_;
  QLabel* place_;
  QLabel* instrument_;
  QLabel* linkState_;
  QTimer ticker_;
  // The last action's, and when it was confirmed; none after an action that failed.
  Confirmation confirmation_;
  LocalTime confirmedAt_{};
};

// The confirmations: "Прочитано из прибора № 12345", "Записано в прибор № 12345" ("…из прибора",
// "…в прибор" while the pages know no serial number).
Confirmation ReadConfirmation(const DeviceSettings& settings);
Confirmation WriteConfirmation(const DeviceSettings& settings);
// "Обмен с прибором № 12351: адрес 7, 19200 бод".
Confirmation AdoptionConfirmation(const FoundInstrument& found);

}  // namespace zorkan
