#pragma once
// What the window's exchange buttons do, without widgets. The window and zorkan-cli both call
// these, so the two can never give an instrument different values for the same settings. Each
// reports a failure once through ReportResult and returns its code.

#include "link/device_link.h"
#include "link/progress.h"
#include "settings/device_settings.h"
#include "workflows/settings_view.h"

namespace zorkan {

// Everything an exchange started by the operator works with: one of each per run.
struct Workbench {
  DeviceLink& link;
  Progress& progress;
  CancelLatch& latch;
  OperatorDialogs& dialogs;
  DeviceSettings& settings;
  SettingsView& view;
};

// "Прочитать из прибора": every group selected, the pages taken into the model, the whole
// instrument read, and the model shown whatever the outcome (a failed read shows what it got).
LinkError ReadWholeInstrument(Workbench& bench);

// "Записать в прибор": every group selected, the typed numbers checked, the pages taken into the
// model, the relay and channel checks (which may clamp after a question), then the whole write.
// A refused check sends nothing. The pages are not refreshed afterwards.
LinkError WriteWholeInstrument(Workbench& bench);

// The read of "Сформировать страницу": the whole instrument with every group, whatever the
// switches say (they are restored afterwards), then the manufacture date. On success the model is
// shown and the caller builds the report.
LinkError ReadForReport(Workbench& bench);

}  // namespace zorkan
