#pragma once
// Which control of the settings pages carries which setting, and how. The window walks this table
// against its widgets, the widget-free pages walk it against the model alone: both take a model
// through the pages by the same conversions, so they cannot drift apart.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/device_settings.h"
#include "settings/field_checks.h"
#include "settings/list_checks.h"

namespace zorkan {

enum class BindingKind {
  Number,        // a line edit: the number with four decimals
  Step,          // an editable list: the number with four decimals, taken back without its sign
  SerialNumber,  // a line edit: the number the two bytes make, 0..65535
  List,          // a list whose position is the value
  Count,         // a list whose position + 1 is the value
  SetpointList,  // the setpoint-type list, whose positions are off, falling, rising
  LowByte,       // the list "000".."255": the low byte of the value
  Check,         // a check box, checked for any value but 0
  GroupSwitch,   // a hidden group box, checked for 1 only
  ShownSwitch,   // a hidden group box shown like a group switch but never taken back
};

using BoundInteger = std::int32_t* (*)(DeviceSettings&);
using BoundReal = float* (*)(DeviceSettings&);

// The items of a list: its texts, or the numbers first..last written with a printf format.
struct ListItems {
  std::span<const std::string_view> texts{};
  int first = 0;
  int last = -1;
  const char* format = "%d";

  int count() const { return texts.empty() ? last - first + 1 : static_cast<int>(texts.size()); }
};

struct PageBinding {
  std::string_view control;  // the control's object name
  BindingKind kind;
  std::variant<BoundInteger, BoundReal> field;
  ListItems items{};                                   // the list kinds and the steps
  std::optional<ListField> checkedList{};              // a write asks for its selection
  std::string* (*checkedText)(FieldTexts&) = nullptr;  // a write checks its text
};

// Every bound control of the settings pages. The relay grid, which holds bits of four settings,
// has its own conversion; the displays are shown only.
std::span<const PageBinding> PageBindings();

bool IsTextKind(BindingKind kind);    // Number, Step, SerialNumber
bool IsListKind(BindingKind kind);    // List, Count, SetpointList, LowByte
bool IsSwitchKind(BindingKind kind);  // GroupSwitch, ShownSwitch

// What a control shows of its setting: the text of a text kind, the position of a list kind (-1:
// no item to select), the mark of a check box or switch.
std::string BoundText(const PageBinding& binding, const DeviceSettings& settings);
int BoundIndex(const PageBinding& binding, const DeviceSettings& settings);
bool BoundCheck(const PageBinding& binding, const DeviceSettings& settings);

// The setting taken back from what its control holds. A serial number outside 0..65535 is no
// number the field can take: it comes back as 0, and TakeBackText returns false.
bool TakeBackText(const PageBinding& binding, DeviceSettings& settings, std::string_view text);
void TakeBackIndex(const PageBinding& binding, DeviceSettings& settings, int index);
void TakeBackCheck(const PageBinding& binding, DeviceSettings& settings, bool checked);

}  // namespace zorkan
