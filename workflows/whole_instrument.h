#pragma once
// What the window's exchange buttons do, without widgets. The window and zorkan-cli both call
// these, so the two can never give an instrument different values for the same settings. Each
// works on `settings` as `pages` show it, reports a failure once through ReportResult and returns
// its code. A whole read or a write that sent something leaves an entry in the exchange's journal,
// whatever its result; the report's read leaves none.

#include "settings/device_settings.h"
#include "workflows/exchange_context.h"
#include "workflows/settings_view.h"

namespace zorkan {

// "Прочитать из прибора": every group selected, the pages taken into the model, the whole
// instrument read, and the model shown whatever the outcome (a failed read shows what it got).
LinkError ReadWholeInstrument(ExchangeContext& exchange, DeviceSettings& settings,
                              SettingsView& pages);

// The same read into a model that no pages show, recorded as a whole read (the comparison hands it
// an exchange without the journal).
LinkError ReadWholeInstrumentInto(ExchangeContext& exchange, DeviceSettings& settings);

// "Записать в прибор": every group selected, the typed numbers checked, the pages taken into the
// model, the relay and channel checks (which may clamp after a question), then the whole write.
// A refused check sends nothing. The pages are not refreshed afterwards.
LinkError WriteWholeInstrument(ExchangeContext& exchange, DeviceSettings& settings,
                               SettingsView& pages);

// The read of "Сформировать страницу": the whole instrument with every group, whatever the
// switches say (they are restored afterwards), then the manufacture date. On success the model is
// shown and the caller builds the report.
LinkError ReadForReport(ExchangeContext& exchange, DeviceSettings& settings, SettingsView& pages);

}  // namespace zorkan
