#pragma once
// "Записать в прибор" of the tuner. The instrument is read whole into a model that no pages show
// (the journal then holds the read that "Вернуть настройки до записи" goes back to), the proposed
// coefficients go into channel 1's fields, and that model is written whole with every check of the
// window's button: whatever the instrument holds besides the four numbers goes back to it as it
// was, and whatever the operator has typed on the pages and not yet written stays there. A check
// the operator refuses writes nothing. The read and the write each report their own failure, as
// the buttons do.

#include "settings/device_settings.h"
#include "tuning/regulator_form.h"
#include "workflows/exchange_context.h"
#include "workflows/settings_view.h"

namespace zorkan {

// `instrument` is read over and written: what only profiles keep (the description, the
// calibration) stays as the caller gave it, and goes into the journal's entries with the rest.
LinkError WriteTunedCoefficients(ExchangeContext& exchange, DeviceSettings& instrument,
                                 const tuning::RegulatorCoefficients& coefficients);

// Once they are written: the four numbers onto the pages, every other field as the operator left
// it (the pages are taken into the model first).
void ShowTunedCoefficients(SettingsView& pages, DeviceSettings& settings,
                           const tuning::RegulatorCoefficients& coefficients);

}  // namespace zorkan
