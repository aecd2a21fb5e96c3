#pragma once
// List fields of the pages that hold no selection. A model value that no list item carries (a
// sensor type 30 or a device type 9 from a hand-edited profile) leaves its list without one, and
// taken back from the page it would reach the instrument as 255 or 0 without a word; so a write
// stops first and names the field.

#include <span>
#include <vector>

#include "link/link_error.h"
#include "operator/operator_dialogs.h"
#include "settings/device_settings.h"

namespace zorkan {

enum class ListField {
  SensorType1,
  SensorType2,
  Decimals1,
  Decimals2,
  Averaging1,
  Averaging2,
  Observations1,
  Observations2,
  PwmPeriod,
  MaxPulse,
  ErrorDisplay,
  DeviceType,
};

// kOk when every list has a selection, else kStoppedToCorrect after the operator closed the error
// box of the first field in `unselected`.
LinkError checkListSelections(std::span<const ListField> unselected, OperatorDialogs& dialogs);

}  // namespace zorkan
