#pragma once
// The profiles the tool writes by itself: the default profile that a load writes where no file
// exists, and the built-in ZORKAN740_PID.prf.

#include "ini/ini_file.h"

namespace zorkan::profile {

// Key by key into the file `ini` is bound to; false when a write was refused, the keys written
// before staying in the file.
[[nodiscard]] bool WriteDefaultProfile(IniFile& ini);

}  // namespace zorkan::profile
