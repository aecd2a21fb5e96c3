#include "workflows/instrument_adoption.h"

#include "operator/link_messages.h"

namespace zorkan {

void AdoptFoundInstrument(const FoundInstrument& found, LinkSettings& linkSettings,
                          const std::filesystem::path& workDir, DeviceLink& link,
                          OperatorDialogs& dialogs) {
  linkSettings.networkAddress = found.place.networkAddress;
  linkSettings.baudRate = found.place.baudRate;
  linkSettings.settingsText =
      SettingsTextWithBaudRate(linkSettings.settingsText, found.place.baudRate);
  if (!SaveInstrumentAddress(linkSettings, workDir)) ReportLinkSettingsUnwritable(workDir, dialogs);
  link.setParameters(TransactionParameters(linkSettings, workDir));
  ReportPortOpening(link.ReopenPort(linkSettings), dialogs);
}

}  // namespace zorkan
