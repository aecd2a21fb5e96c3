#pragma once
// Character tests of the numeric entry fields before a write. They only make sure that the text can
// form a number; turning it into one is the page binding's job.

#include <array>
#include <string>
#include <string_view>

#include "link/link_error.h"
#include "operator/operator_dialogs.h"

namespace zorkan {

// 0 when acceptable, 1 otherwise. Blanks and control characters around the text are ignored;
// `extra` holds further allowed characters besides the digits and the signs.
int checkNumberText(std::string_view text, std::string_view extra);
// 0 for a decimal number of digits only, 0 to 65535; 1 otherwise.
int checkSerialText(std::string_view text);

// The texts typed into the fields of channel 1's page and the serial-number field, as the main
// window hands them over.
struct FieldTexts {
  std::string rangeMin, serialNumber, rangeMax, offset, rangeAdjust, setpoint1, setpoint2,
      hysteresis1, hysteresis2, setpointStep, hysteresisStep;
  std::array<std::string, 4> polynomial;

  bool operator==(const FieldTexts&) const = default;
};

// kOk, or kStoppedToCorrect after the operator closed the error box of the first failing field.
LinkError checkFields(const FieldTexts& texts, OperatorDialogs& dialogs);

}  // namespace zorkan
