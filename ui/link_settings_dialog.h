#pragma once
// "Параметры связи…": dev.dat's port number, baud rate, network address, attempts and reply
// time-out, within the ranges and lists the link takes, so that nothing else can be chosen.

#include <filesystem>
#include <optional>

#include "link/link_settings.h"

class QWidget;

namespace zorkan {

// The dialog opened on `current`; the settings chosen, or nullopt when it was cancelled. A port
// number outside 1..4 leaves the port list empty, and OK waits for a port to be chosen.
std::optional<LinkSettings> AskLinkSettings(QWidget* parent, const LinkSettings& current,
                                            const std::filesystem::path& workDir);

}  // namespace zorkan
