#pragma once
// "Записать в прибор" of the tuner: the instrument read whole onto the pages (so that the journal
// holds the read that "Вернуть настройки до записи" goes back to), the proposed coefficients put
// into channel 1's fields, then the whole write with every check of the window's button. A check
// the operator refuses writes nothing. Each of the two reports its own failure, as the buttons do.

#include "settings/device_settings.h"
#include "tuning/regulator_form.h"
#include "workflows/exchange_context.h"
#include "workflows/settings_view.h"

namespace zorkan {

LinkError WriteTunedCoefficients(ExchangeContext& exchange, DeviceSettings& settings,
                                 SettingsView& pages,
                                 const tuning::RegulatorCoefficients& coefficients);

}  // namespace zorkan
