#pragma once
// read and write over a line of instruments (--addresses): each instrument in turn through the
// same workflows as the window's, with a summary line per instrument on standard output.

#include "cli/command_line.h"
#include "cli/session.h"
#include "settings/device_settings.h"
#include "workflows/exchange_context.h"
#include "workflows/settings_view.h"

namespace zorkan::cli {

// Each instrument of `command.addresses` into a profile of its own in the folder
// `command.profile`.
int RunLineRead(const ReadCommand& command, Session& session);

// `settings` as `pages` show them, from a profile loaded and checked already, to each instrument of
// `command.addresses` on the session's open port.
int WriteLine(const WriteCommand& command, Session& session, DeviceSettings& settings,
              SettingsView& pages);

}  // namespace zorkan::cli
