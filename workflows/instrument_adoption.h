#pragma once
// Taking on an instrument the search found: from now on the tool talks to it at its network
// address and baud rate, and so does the next run. The window and zorkan-cli can both adopt one.

#include <filesystem>

#include "link/device_link.h"
#include "link/link_settings.h"
#include "workflows/instrument_search.h"

namespace zorkan {

// The found address and baud rate go into `linkSettings` (the baud rate into the port's settings
// text too) and into dev.dat in `workDir`; the link takes the transaction parameters of the new
// rate and its port is opened again at it. A dev.dat that cannot be written is reported through
// `dialogs`; the link works with the instrument all the same.
void AdoptFoundInstrument(const FoundInstrument& found, LinkSettings& linkSettings,
                          const std::filesystem::path& workDir, DeviceLink& link,
                          OperatorDialogs& dialogs);

}  // namespace zorkan
