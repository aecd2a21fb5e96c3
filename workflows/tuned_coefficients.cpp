#include "workflows/tuned_coefficients.h"

#include "workflows/headless_pages.h"
#include "workflows/regulator_parameters.h"
#include "workflows/whole_instrument.h"

namespace zorkan {

LinkError WriteTunedCoefficients(ExchangeContext& exchange, DeviceSettings& instrument,
                                 const tuning::RegulatorCoefficients& coefficients) {
  if (const LinkError read = ReadWholeInstrumentInto(exchange, instrument); read != kOk) {
    return read;
  }
  SetCoefficients(instrument, coefficients);
  // The checks read the numbers as pages would show them, as zorkan-cli write's do.
  HeadlessPages pages(instrument);
  pages.ShowSettings();
  return WriteWholeInstrument(exchange, instrument, pages);
}

void ShowTunedCoefficients(SettingsView& pages, DeviceSettings& settings,
                           const tuning::RegulatorCoefficients& coefficients) {
  pages.CollectSettings();
  SetCoefficients(settings, coefficients);
  pages.ShowSettings();
}

}  // namespace zorkan
