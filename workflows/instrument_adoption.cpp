#include "workflows/instrument_adoption.h"

namespace zorkan {

void AdoptFoundInstrument(const FoundInstrument& found, LinkSettings& linkSettings,
                          const std::filesystem::path& workDir, DeviceLink& link,
                          OperatorDialogs& dialogs) {
  linkSettings.networkAddress = found.place.networkAddress;
  linkSettings.baudRate = found.place.baudRate;
  linkSettings.settingsText =
      SettingsTextWithBaudRate(linkSettings.settingsText, found.place.baudRate);
  SaveInstrumentAddress(linkSettings, workDir, dialogs);
  link.setParameters(TransactionParameters(linkSettings, workDir));
  link.ReopenPort(linkSettings);
}

}  // namespace zorkan
