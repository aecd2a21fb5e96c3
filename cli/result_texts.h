#pragma once
// The link's result codes as zorkan-cli tells them: in English, with the tool's own text quoted as
// the window shows it, so that the text a user may look up or a script may match stays the same.

#include <string>

#include "link/link_error.h"

namespace zorkan::cli {

// "the instrument did not answer (\"Прибор не ответил (ERR 2)\")"; "result code N" for a code
// without a text.
std::string ResultText(LinkError code);

}  // namespace zorkan::cli
