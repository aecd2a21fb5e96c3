#include "workflows/link_settings_change.h"

#include "operator/link_messages.h"

namespace zorkan {

LinkSettingsChange ChangeLinkSettings(const LinkSettings& chosen, LinkSettings& linkSettings,
                                      const std::filesystem::path& workDir, DeviceLink& link,
                                      OperatorDialogs& dialogs) {
  LinkSettingsChange change;
  change.portReopened = chosen.portNumber != linkSettings.portNumber ||
                        chosen.baudRate != linkSettings.baudRate || !link.isOpen();
  linkSettings = chosen;
  change.saved = SaveLinkSettings(linkSettings, workDir);
  if (!change.saved) ReportLinkSettingsUnwritable(workDir, dialogs);
  link.setParameters(TransactionParameters(linkSettings, workDir));
  if (change.portReopened) ReportPortOpening(link.ReopenPort(linkSettings), dialogs);
  ReportLinkSettingsFindings(CheckLinkSettings(linkSettings), dialogs);
  return change;
}

}  // namespace zorkan
