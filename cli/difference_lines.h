#pragma once
// How diff and journal diff print what they found.

#include <vector>

#include "profiles/profile_difference.h"

namespace zorkan::cli {

// A line per difference on standard output, tab-separated: the key with its section, the first
// value, the second, and the caption the window shows the setting under
// ("CH1 th1\t150.0000\t160.0000\tРегулируемое значение"); kOk when there is none, else
// kExitDiffers.
int PrintDifferences(const std::vector<ProfileKeyDifference>& differences);

}  // namespace zorkan::cli
