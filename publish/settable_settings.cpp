#include "publish/settable_settings.h"

#include <algorithm>

#include "ini/number_text.h"
#include "operator/operator_dialogs.h"
#include "settings/channel_checks.h"

namespace zorkan {

namespace {

constexpr int kChannel1 = 0;
constexpr int kChannel2 = 1;

// The regulator's meaning of channel 1's fields, and channel 2's first setpoint as the alarm.
constexpr SettableSetting kSettings[] = {
    {"regulated_value", "Регулируемое значение", kChannel1,
     [](ChannelSettings& c) -> float& { return c.setpoint1; }, Setpoint1Param, false,
     kSetpointLowest, kSetpointHighest, SettingUnit::Channel},
    {"alarm_setpoint", "Аварийная уставка", kChannel2,
     [](ChannelSettings& c) -> float& { return c.setpoint1; }, Setpoint1Param, false,
     kSetpointLowest, kSetpointHighest, SettingUnit::Channel},
    {"alarm_hysteresis", "Гистерезис аварийной уставки", kChannel2,
     [](ChannelSettings& c) -> float& { return c.hysteresis1; }, Hysteresis1Param, true, 0.0f,
     kRangeMaxHighest, SettingUnit::Channel},
    {"proportional", "Коэффициент пропорциональности", kChannel1,
     [](ChannelSettings& c) -> float& { return c.setpoint2; }, Setpoint2Param, false,
     kSetpointLowest, kSetpointHighest, SettingUnit::None},
    {"zone", "Зона нечувствительности", kChannel1,
     [](ChannelSettings& c) -> float& { return c.hysteresis1; }, Hysteresis1Param, false, 0.0f,
     kSetpointHighest, SettingUnit::Channel},
    {"integration_s", "T инт", kChannel1,
     [](ChannelSettings& c) -> float& { return c.polynomial[2]; },
     [](int channel) { return PolynomialParam(channel, 2); }, false, 0.0f, kSetpointHighest,
     SettingUnit::Seconds},
    {"differentiation_s", "T дифф", kChannel1,
     [](ChannelSettings& c) -> float& { return c.polynomial[1]; },
     [](int channel) { return PolynomialParam(channel, 1); }, false, 0.0f, kSetpointHighest,
     SettingUnit::Seconds},
};

// The operator who is not there: every box is noted, and every question answered No.
class AbsentOperator final : public OperatorDialogs {
 public:
  DialogAnswer ask(const DialogMessage& message) override {
    if (first_.empty()) first_ = message.text;
    return message.buttons == DialogButtons::Ok ? DialogAnswer::Ok : DialogAnswer::No;
  }
  void bringMainWindowForward() override {}
  const std::string& first() const { return first_; }

 private:
  std::string first_;
};

std::string NumberText(float value) {
  std::string text = FormatFixed(value);
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

}  // namespace

std::span<const SettableSetting> SettableSettings() {
  return kSettings;
}

const SettableSetting* FindSettableSetting(std::string_view name) {
  const auto* found = std::ranges::find(kSettings, name, &SettableSetting::name);
  return found == std::end(kSettings) ? nullptr : found;
}

std::string SettableSettingNames() {
  std::string names;
  for (const SettableSetting& setting : kSettings) {
    if (!names.empty()) names += ", ";
    names += setting.name;
  }
  return names;
}

SettingCheck CheckSetting(const SettableSetting& setting, float value,
                          const std::optional<ChannelRange>& range) {
  DeviceSettings settings;
  ChannelSettings& channel = settings.channels[static_cast<std::size_t>(setting.channel)];
  setting.field(channel) = value;
  if (range) {
    channel.rangeMin = range->least;
    channel.rangeMax = range->most;
  }
  AbsentOperator absent;
  const LinkError result =
      checkChannel(settings, setting.channel, absent, /*remarks=*/true, /*errors=*/true);
  if (result != kOk) return {result, absent.first()};
  if (!(value >= setting.least && value <= setting.most)) {  // NaN included
    return {kStoppedToCorrect, std::string(setting.name) + " must be within " +
                                   NumberText(setting.least) + ".." + NumberText(setting.most)};
  }
  return {};
}

}  // namespace zorkan
