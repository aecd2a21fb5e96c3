#pragma once
// How diff and journal diff print what they found.

#include <string_view>
#include <vector>

#include "profiles/profile_difference.h"

namespace zorkan::cli {

// What the two values of each difference are, as --json names them ("instrument", "profile").
struct ComparedSides {
  std::string_view first;
  std::string_view second;
};

// A line per difference on standard output, tab-separated: the key with its section, the first
// value, the second, and the caption the window shows the setting under
// ("CH1 th1\t150.0000\t160.0000\tРегулируемое значение"); with `json`, one object whose
// differences name the values after `sides`. kOk when there is none, else kExitDiffers.
int PrintDifferences(const std::vector<ProfileKeyDifference>& differences, bool json,
                     ComparedSides sides);

}  // namespace zorkan::cli
