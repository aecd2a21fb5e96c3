#pragma once
// "Параметры связи…" without widgets: the port number, baud rate, network address, attempts and
// reply time-out the operator chose, taken into dev.dat and the link.

#include <filesystem>

#include "link/device_link.h"
#include "link/link_settings.h"
#include "operator/operator_dialogs.h"

namespace zorkan {

struct LinkSettingsChange {
  bool saved = false;         // dev.dat took them
  bool portReopened = false;  // another port or baud rate: what was found before is elsewhere
};

// `chosen` becomes `linkSettings`, goes into dev.dat of `workDir` in one step (SaveLinkSettings)
// and into the link: its transaction parameters at once, its port opened again when the port
// number or the baud rate changed. The next exchange goes to the new place. A dev.dat that could
// not be written, a port that would not open and a long reply time-out are told through `dialogs`;
// the link works with the new settings all the same.
LinkSettingsChange ChangeLinkSettings(const LinkSettings& chosen, LinkSettings& linkSettings,
                                      const std::filesystem::path& workDir, DeviceLink& link,
                                      OperatorDialogs& dialogs);

}  // namespace zorkan
