#pragma once
// Plausibility checks of each transferred channel before a write. Some findings offer to clamp a
// value, some are remarks the operator may accept, and some always stop the write. Channel 1 is
// checked with the regulator meaning of its hysteresis fields and polynomial coefficients.

#include "link/link_error.h"
#include "operator/operator_dialogs.h"
#include "settings/device_settings.h"

namespace zorkan {

// The bounds the checks hold setpoints and the range maximum to: what the instrument's display
// shows.
constexpr float kSetpointHighest = 9999.0f;
constexpr float kSetpointLowest = -999.0f;
constexpr float kRangeMaxHighest = 9999.999f;

// Checks channel 1, then channel 2, each only when it is selected; the first non-zero result ends
// the checks. Clamps accepted with Yes are stored in `settings` and stay there after a refusal.
// kOk, kStoppedToClarify (a remark answered No) or kStoppedToCorrect.
LinkError checkChannels(DeviceSettings& settings, OperatorDialogs& dialogs, bool remarks,
                        bool errors);
// `channel` is the index, 0 for channel 1. The error group runs when `errors` is on, then the
// remark group when `remarks` is on.
LinkError checkChannel(DeviceSettings& settings, int channel, OperatorDialogs& dialogs,
                       bool remarks, bool errors);

}  // namespace zorkan
