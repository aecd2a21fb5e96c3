#pragma once
// What the operator is told of the link itself, which tells nobody: a port that would not open,
// and what loading or writing dev.dat found.

#include <filesystem>
#include <string_view>

#include "link/device_link.h"
#include "link/link_settings.h"
#include "operator/operator_dialogs.h"
#include "operator/operator_text.h"

namespace zorkan {

inline constexpr std::string_view kPortNotOpenedText =
    OPERATOR_TEXT("Невозможно открыть последовательный порт");

// kPortNotOpenedText, each time an opening of the port is refused.
void ReportPortNotOpened(OperatorDialogs& dialogs);
// The same box for a refused opening by port number; nothing for one that opened or had no port
// number to open.
void ReportPortOpening(PortOpening opening, OperatorDialogs& dialogs);

// A dev.dat that could not be written, then the warnings of a port number above 4 and of a long
// reply time-out: a box each, one after the other.
void ReportLinkSettingsFindings(const LinkSettingsFindings& findings, OperatorDialogs& dialogs);
// dev.dat of `workDir` could not be written.
void ReportLinkSettingsUnwritable(const std::filesystem::path& workDir, OperatorDialogs& dialogs);

}  // namespace zorkan
