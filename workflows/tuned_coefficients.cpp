#include "workflows/tuned_coefficients.h"

#include "workflows/regulator_parameters.h"
#include "workflows/whole_instrument.h"

namespace zorkan {

LinkError WriteTunedCoefficients(ExchangeContext& exchange, DeviceSettings& settings,
                                 SettingsView& pages,
                                 const tuning::RegulatorCoefficients& coefficients) {
  if (const LinkError read = ReadWholeInstrument(exchange, settings, pages); read != kOk) {
    return read;
  }
  SetCoefficients(settings, coefficients);
  pages.ShowSettings();
  return WriteWholeInstrument(exchange, settings, pages);
}

}  // namespace zorkan
