#pragma once
// Compares the relay event masks with what the chosen device type can do. Every finding is a
// question: the operator may keep an unusual assignment on purpose.

#include "link/link_error.h"
#include "operator/operator_dialogs.h"
#include "settings/device_settings.h"

namespace zorkan {

// kOk when every test passed or was accepted with Yes, kStoppedToCorrect at the first No. Runs
// whatever `relaySelected` is; the masks are never changed.
LinkError checkRelays(const DeviceSettings& settings, OperatorDialogs& dialogs);

}  // namespace zorkan
