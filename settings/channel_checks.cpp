#include "settings/channel_checks.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "operator/operator_text.h"

namespace zorkan {

namespace {

enum class Finding {
  Clamp,   // Yes stores the named value and goes on; No stops to correct
  Error,   // OK only; always stops to correct
  Remark,  // Yes applies the named change, if any, and goes on; No stops to clarify
};

enum class Channels { Both, First, Second };

struct ChannelCheck {
  Channels channels;
  bool (*condition)(const ChannelSettings&);
  Finding kind;
  std::string_view text;
  void (*onYes)(ChannelSettings&);  // nullptr: nothing changes
};

constexpr std::uint32_t kAveragingLimit = 10;
constexpr float kStepLimit = 20.0f;
constexpr float kStepClamp = 10.0f;
// The step's lower bound is a double while the step is a float: the float 0.001 lies just above the
// bound, so a step stored by a Yes passes the next time.
constexpr double kStepLowerBound = 0.001;
constexpr float kStepRaised = 0.001f;

using Settings = ChannelSettings;

// Every condition is evaluated when the loop reaches its row, so later rows see earlier clamps.
constexpr ChannelCheck kErrorChecks[] = {
    {Channels::Both, [](const Settings& c) { return c.setpoint1 > kSetpointHighest; },
     Finding::Clamp,
     OPERATOR_TEXT(
         "Слишком большая величина уставки она будет ограничена величиной 9999. Записать так ?"),
     [](Settings& c) { c.setpoint1 = kSetpointHighest; }},
    {Channels::Both, [](const Settings& c) { return c.setpoint2 > kSetpointHighest; },
     Finding::Clamp,
     OPERATOR_TEXT(
         "Слишком большая величина уставки 2 она будет ограничена величиной 9999. Записать так ?"),
     [](Settings& c) { c.setpoint2 = kSetpointHighest; }},
    {Channels::Both, [](const Settings& c) { return c.setpoint1 < kSetpointLowest; },
     Finding::Clamp,
     OPERATOR_TEXT(
         "Слишком маленькая величина уставки она будет ограничена величиной -999. Записать так ?"),
     [](Settings& c) { c.setpoint1 = kSetpointLowest; }},
    {Channels::Both, [](const Settings& c) { return c.setpoint2 < kSetpointLowest; },
     Finding::Clamp,
     OPERATOR_TEXT("Слишком маленькая величина уставки 2 она будет ограничена величиной -999. "
                   "Записать так ?"),
     [](Settings& c) { c.setpoint2 = kSetpointLowest; }},
    {Channels::Both, [](const Settings& c) { return c.rangeMax > kRangeMaxHighest; },
     Finding::Clamp,
     OPERATOR_TEXT("Слишком большой максимальный диапазон. Он будет ограничен величиной 9999.999. "
                   "Записать так "
                   "как есть?"),
     [](Settings& c) { c.rangeMax = kRangeMaxHighest; }},
    {Channels::Both, [](const Settings& c) { return c.rangeMax < kSetpointLowest; }, Finding::Error,
     OPERATOR_TEXT("Слишком маленький максимум диапазона. Прибор, скорее всего, не будет работать "
                   "правильно."),
     nullptr},
    {Channels::Both, [](const Settings& c) { return c.rangeMin > kSetpointHighest; },
     Finding::Error,
     OPERATOR_TEXT("Слишком большой минимальный диапазон. Прибор, скорее всего, не будет работать "
                   "правильно."),
     nullptr},
    {Channels::Both, [](const Settings& c) { return c.rangeMin < kSetpointLowest; }, Finding::Clamp,
     OPERATOR_TEXT("Слишком маленький минимальный диапазон. Он будет ограничен величиной -999.0. "
                   "Записать так "
                   "как есть?"),
     [](Settings& c) { c.rangeMin = kSetpointLowest; }},
    {Channels::Both, [](const Settings& c) { return !(c.rangeMin < c.rangeMax); }, Finding::Error,
     OPERATOR_TEXT(
         "Неправильное соотношение между диапазонами. Прибор не будет работать правильно."),
     nullptr},
    {Channels::Second, [](const Settings& c) { return c.hysteresis1 < 0.0f; }, Finding::Error,
     OPERATOR_TEXT("Задан отрицательный гистерезис 1. Прибор не будет работать правильно."),
     nullptr},
    {Channels::Second, [](const Settings& c) { return c.hysteresis2 < 0.0f; }, Finding::Error,
     OPERATOR_TEXT("Задана отрицательный гистерезис 2. Прибор не будет работать правильно."),
     nullptr},
    {Channels::First, [](const Settings& c) { return c.hysteresis1 < 0.0f; }, Finding::Error,
     OPERATOR_TEXT("Задана отрицательная зона ПИД управления. Прибор не будет работать правильно."),
     nullptr},
    {Channels::First, [](const Settings& c) { return c.hysteresis2 < 0.0f; }, Finding::Error,
     OPERATOR_TEXT(
         "Задано отрицательное минимальное время импульса. Прибор не будет работать правильно."),
     nullptr},
    {Channels::Second, [](const Settings& c) { return c.hysteresis1 > c.rangeMax; }, Finding::Error,
     OPERATOR_TEXT(
         "Задан гистерезис 1 превышающий максимум диапазона. Прибор не будет работать правильно."),
     nullptr},
    {Channels::Second, [](const Settings& c) { return c.hysteresis2 > c.rangeMax; }, Finding::Error,
     OPERATOR_TEXT(
         "Задан гистерезис 2 превышающий максимум диапазона. Прибор не будет работать правильно."),
     nullptr},
    {Channels::Both, [](const Settings& c) { return c.lineResistance < 0.0f; }, Finding::Error,
     OPERATOR_TEXT(
         "Задано отрицательное сопротивление линии для двухпроводного включения. Прибор не будет "
         "работать правильно."),
     nullptr},
    {Channels::First, [](const Settings& c) { return c.polynomial[1] < 0.0f; }, Finding::Error,
     OPERATOR_TEXT(
         "Задано отрицательное время дифференцирования. Прибор не будет работать правильно."),
     nullptr},
    {Channels::First, [](const Settings& c) { return c.polynomial[2] < 0.0f; }, Finding::Error,
     OPERATOR_TEXT(
         "Задано отрицательное время интегрирования. Прибор не будет работать правильно."),
     nullptr},
    {Channels::First, [](const Settings& c) { return c.polynomial[3] < 0.0f; }, Finding::Error,
     OPERATOR_TEXT(
         "Задан отрицательный коэффициент асимметрии. Прибор не будет работать правильно."),
     nullptr},
};

constexpr ChannelCheck kRemarkChecks[] = {
    // A negative averaging read from the model counts as a huge one.
    {Channels::Both,
     [](const Settings& c) { return static_cast<std::uint32_t>(c.averaging) > kAveragingLimit; },
     Finding::Remark,
     OPERATOR_TEXT(
         "При таком усреднении в канале теряется динамика отображения.Записать так как есть?"),
     nullptr},
    {Channels::Both, [](const Settings& c) { return c.setpointStep > kStepLimit; }, Finding::Remark,
     OPERATOR_TEXT("Слишком большой шаг изменения уставки. Он будет ограничен 10. Записать так?"),
     [](Settings& c) { c.setpointStep = kStepClamp; }},
    {Channels::Both, [](const Settings& c) { return c.hysteresisStep > kStepLimit; },
     Finding::Remark,
     OPERATOR_TEXT(
         "Слишком большой шаг изменения гистерезиса уставки. Он будет ограничен 10. Записать так?"),
     [](Settings& c) { c.hysteresisStep = kStepClamp; }},
    {Channels::Both,
     [](const Settings& c) { return static_cast<double>(c.setpointStep) < kStepLowerBound; },
     Finding::Remark,
     OPERATOR_TEXT(
         "Слишком маленький шаг изменения уставки. Он будет сделан равным 0.001. Записать так?"),
     [](Settings& c) { c.setpointStep = kStepRaised; }},
    {Channels::Both,
     [](const Settings& c) { return static_cast<double>(c.hysteresisStep) < kStepLowerBound; },
     Finding::Remark,
     OPERATOR_TEXT(
         "Слишком маленький шаг изменения гистерезиса уставки. Он будет сделан равным 0.001. "
         "Записать так?"),
     [](Settings& c) { c.hysteresisStep = kStepRaised; }},
};

struct FindingBox {
  DialogIcon icon;
  DialogButtons buttons;
  LinkError stop;
};

FindingBox BoxOf(Finding kind) {
  switch (kind) {
    case Finding::Clamp:
      return {DialogIcon::Error, DialogButtons::YesNo, kStoppedToCorrect};
    case Finding::Error:
      return {DialogIcon::Error, DialogButtons::Ok, kStoppedToCorrect};
    case Finding::Remark:
      return {DialogIcon::Warning, DialogButtons::YesNo, kStoppedToClarify};
  }
  return {DialogIcon::Error, DialogButtons::Ok, kStoppedToCorrect};
}

bool AppliesTo(Channels channels, int channel) {
  return channels == Channels::Both || (channels == Channels::First && channel == 0) ||
         (channels == Channels::Second && channel == 1);
}

// `caption`: a pattern that the channel's number fills.
LinkError RunChecks(std::span<const ChannelCheck> checks, std::string_view caption,
                    ChannelSettings& settings, int channel, OperatorDialogs& dialogs) {
  for (const ChannelCheck& check : checks) {
    if (!AppliesTo(check.channels, channel) || !check.condition(settings)) continue;
    const FindingBox box = BoxOf(check.kind);
    const DialogAnswer answer = dialogs.ask(
        {FillText(caption, channel + 1), std::string(check.text), box.icon, box.buttons});
    if (box.buttons == DialogButtons::Ok || answer != DialogAnswer::Yes) return box.stop;
    if (check.onYes != nullptr) check.onYes(settings);
  }
  return kOk;
}

}  // namespace

LinkError checkChannel(DeviceSettings& settings, int channel, OperatorDialogs& dialogs,
                       bool remarks, bool errors) {
  // There is nothing to check beyond the two channels.
  if (channel < 0 || channel >= kChannelCount) return kOk;
  ChannelSettings& values = settings.channels[static_cast<std::size_t>(channel)];
  if (errors) {
    const LinkError result = RunChecks(kErrorChecks, OPERATOR_TEXT("Ошибка в настройках канала %1"),
                                       values, channel, dialogs);
    if (result != kOk) return result;
  }
  if (remarks) {
    return RunChecks(kRemarkChecks, OPERATOR_TEXT("Замечание по настройкам канала %1"), values,
                     channel, dialogs);
  }
  return kOk;
}

LinkError checkChannels(DeviceSettings& settings, OperatorDialogs& dialogs, bool remarks,
                        bool errors) {
  for (int channel = 0; channel < kChannelCount; ++channel) {
    if (settings.channels[channel].selected != 1) continue;
    const LinkError result = checkChannel(settings, channel, dialogs, remarks, errors);
    if (result != kOk) return result;
  }
  return kOk;
}

}  // namespace zorkan
