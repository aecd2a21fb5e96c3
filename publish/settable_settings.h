#pragma once
// The settings a command from the broker may change, once `publish --allow-set` names them: each
// with its parameter, its check (the window's own, run on the channel it belongs to) and its
// limits. Every one is a float of a channel.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "link/link_error.h"
#include "settings/device_settings.h"
#include "settings/parameter_map.h"

namespace zorkan {

// What a dashboard shows a setting's value in.
enum class SettingUnit { Channel, Seconds, None };

struct SettableSetting {
  std::string_view name;     // the last level of its command topic: "regulated_value"
  std::string_view caption;  // as the pages label it
  int channel;               // 0 for channel 1
  float& (*field)(ChannelSettings& channel);
  ParameterRef (*parameter)(int channel);
  // Its check compares it with the channel's range, which must then be read from the instrument.
  bool checkedAgainstRange;
  // What a command may set it to, beyond what its check refuses; its step on a dashboard is what
  // a read-back is compared with.
  float least;
  float most;
  SettingUnit unit;

  ParameterRef where() const { return parameter(channel); }
};

std::span<const SettableSetting> SettableSettings();
// nullptr for a name no setting has.
const SettableSetting* FindSettableSetting(std::string_view name);
// "regulated_value, alarm_setpoint, ...", for a refusal of an unknown name.
std::string SettableSettingNames();

// The channel's range as the instrument holds it, for a setting checked against it.
struct ChannelRange {
  float least;
  float most;
};

struct SettingCheck {
  LinkError result = kOk;  // or the code the window's write would stop with
  std::string text;        // the finding that stopped it
};

// Whether the window's write would send `value`: the checks of the setting's channel, on a channel
// as a new one has it but for `value` in the setting's place and `range`, where given; with no
// operator to answer, a finding that offers a clamp or asks a question refuses as an error does.
// Then the setting's limits.
SettingCheck CheckSetting(const SettableSetting& setting, float value,
                          const std::optional<ChannelRange>& range = std::nullopt);

}  // namespace zorkan
