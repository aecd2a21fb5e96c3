// Plausibility checks of the channel values: each finding's box, what Yes stores and No stops, the
// rules that belong to one channel only, and the order in which clamps feed later checks.
#include <gtest/gtest.h>

#include "settings/channel_checks.h"
#include "tests/settings/expect_boxes.h"
#include "tests/support/recording_dialogs.h"

namespace zorkan {
namespace {

using testing::ExpectBoxes;
using testing::RecordingDialogs;

enum class Kind { Clamp, Error, Remark };

DialogMessage Box(int channel, Kind kind, std::string text) {
  const std::string number = std::to_string(channel + 1);
  switch (kind) {
    case Kind::Clamp:
      return {"Ошибка в настройках канала " + number, text, DialogIcon::Error,
              DialogButtons::YesNo};
    case Kind::Error:
      return {"Ошибка в настройках канала " + number, text, DialogIcon::Error, DialogButtons::Ok};
    case Kind::Remark:
      return {"Замечание по настройкам канала " + number, text, DialogIcon::Warning,
              DialogButtons::YesNo};
  }
  return {};
}

// One finding provoked on otherwise passing values.
struct FindingCase {
  const char* fault;
  int channel;
  void (*provoke)(ChannelSettings&);
  Kind kind;
  const char* text;
  float ChannelSettings::*stored;  // the field Yes changes; nullptr: none
  float storedOnYes;
};

const FindingCase kFindings[] = {
    {"setpoint above 9999", 0, [](ChannelSettings& c) { c.setpoint1 = 12000.0f; }, Kind::Clamp,
     "Слишком большая величина уставки она будет ограничена величиной 9999. Записать так ?",
     &ChannelSettings::setpoint1, 9999.0f},
    {"setpoint 2 above 9999", 1, [](ChannelSettings& c) { c.setpoint2 = 9999.5f; }, Kind::Clamp,
     "Слишком большая величина уставки 2 она будет ограничена величиной 9999. Записать так ?",
     &ChannelSettings::setpoint2, 9999.0f},
    {"setpoint below -999", 1, [](ChannelSettings& c) { c.setpoint1 = -999.5f; }, Kind::Clamp,
     "Слишком маленькая величина уставки она будет ограничена величиной -999. Записать так ?",
     &ChannelSettings::setpoint1, -999.0f},
    {"setpoint 2 below -999", 0, [](ChannelSettings& c) { c.setpoint2 = -5000.0f; }, Kind::Clamp,
     "Слишком маленькая величина уставки 2 она будет ограничена величиной -999. Записать так ?",
     &ChannelSettings::setpoint2, -999.0f},
    {"range maximum above 9999", 0, [](ChannelSettings& c) { c.rangeMax = 12000.0f; }, Kind::Clamp,
     "Слишком большой максимальный диапазон. Он будет ограничен величиной 9999.999. Записать так "
     "как есть?",
     &ChannelSettings::rangeMax, 9999.999f},
    {"range maximum below -999", 1,
     [](ChannelSettings& c) {
       c.rangeMin = -999.0f;
       c.rangeMax = -999.5f;
     },
     Kind::Error,
     "Слишком маленький максимум диапазона. Прибор, скорее всего, не будет работать правильно.",
     nullptr, 0.0f},
    {"range minimum above 9999", 0, [](ChannelSettings& c) { c.rangeMin = 9999.5f; }, Kind::Error,
     "Слишком большой минимальный диапазон. Прибор, скорее всего, не будет работать правильно.",
     nullptr, 0.0f},
    {"range minimum below -999", 1, [](ChannelSettings& c) { c.rangeMin = -1000.0f; }, Kind::Clamp,
     "Слишком маленький минимальный диапазон. Он будет ограничен величиной -999.0. Записать так "
     "как есть?",
     &ChannelSettings::rangeMin, -999.0f},
    {"equal range ends", 0, [](ChannelSettings& c) { c.rangeMin = c.rangeMax = 100.0f; },
     Kind::Error, "Неправильное соотношение между диапазонами. Прибор не будет работать правильно.",
     nullptr, 0.0f},
    {"reversed range ends", 1, [](ChannelSettings& c) { c.rangeMin = 200.0f; }, Kind::Error,
     "Неправильное соотношение между диапазонами. Прибор не будет работать правильно.", nullptr,
     0.0f},
    {"negative hysteresis 1", 1, [](ChannelSettings& c) { c.hysteresis1 = -0.5f; }, Kind::Error,
     "Задан отрицательный гистерезис 1. Прибор не будет работать правильно.", nullptr, 0.0f},
    {"negative hysteresis 2", 1, [](ChannelSettings& c) { c.hysteresis2 = -0.5f; }, Kind::Error,
     "Задана отрицательный гистерезис 2. Прибор не будет работать правильно.", nullptr, 0.0f},
    {"negative PID zone", 0, [](ChannelSettings& c) { c.hysteresis1 = -0.5f; }, Kind::Error,
     "Задана отрицательная зона ПИД управления. Прибор не будет работать правильно.", nullptr,
     0.0f},
    {"negative minimum pulse", 0, [](ChannelSettings& c) { c.hysteresis2 = -0.5f; }, Kind::Error,
     "Задано отрицательное минимальное время импульса. Прибор не будет работать правильно.",
     nullptr, 0.0f},
    {"hysteresis 1 above range maximum", 1, [](ChannelSettings& c) { c.hysteresis1 = 100.5f; },
     Kind::Error,
     "Задан гистерезис 1 превышающий максимум диапазона. Прибор не будет работать правильно.",
     nullptr, 0.0f},
    {"hysteresis 2 above range maximum", 1, [](ChannelSettings& c) { c.hysteresis2 = 100.5f; },
     Kind::Error,
     "Задан гистерезис 2 превышающий максимум диапазона. Прибор не будет работать правильно.",
     nullptr, 0.0f},
    {"negative line resistance", 1, [](ChannelSettings& c) { c.lineResistance = -0.1f; },
     Kind::Error,
     "Задано отрицательное сопротивление линии для двухпроводного включения. Прибор не будет "
     "работать правильно.",
     nullptr, 0.0f},
    {"negative differentiation time", 0, [](ChannelSettings& c) { c.polynomial[1] = -1.0f; },
     Kind::Error,
     "Задано отрицательное время дифференцирования. Прибор не будет работать правильно.", nullptr,
     0.0f},
    {"negative integration time", 0, [](ChannelSettings& c) { c.polynomial[2] = -1.0f; },
     Kind::Error, "Задано отрицательное время интегрирования. Прибор не будет работать правильно.",
     nullptr, 0.0f},
    {"negative asymmetry", 0, [](ChannelSettings& c) { c.polynomial[3] = -1.0f; }, Kind::Error,
     "Задан отрицательный коэффициент асимметрии. Прибор не будет работать правильно.", nullptr,
     0.0f},
    {"averaging above 10", 1, [](ChannelSettings& c) { c.averaging = 11; }, Kind::Remark,
     "При таком усреднении в канале теряется динамика отображения.Записать так как есть?", nullptr,
     0.0f},
    {"negative averaging", 0, [](ChannelSettings& c) { c.averaging = -1; }, Kind::Remark,
     "При таком усреднении в канале теряется динамика отображения.Записать так как есть?", nullptr,
     0.0f},
    {"setpoint step above 20", 0, [](ChannelSettings& c) { c.setpointStep = 25.0f; }, Kind::Remark,
     "Слишком большой шаг изменения уставки. Он будет ограничен 10. Записать так?",
     &ChannelSettings::setpointStep, 10.0f},
    {"hysteresis step above 20", 1, [](ChannelSettings& c) { c.hysteresisStep = 20.5f; },
     Kind::Remark,
     "Слишком большой шаг изменения гистерезиса уставки. Он будет ограничен 10. Записать так?",
     &ChannelSettings::hysteresisStep, 10.0f},
    {"setpoint step below 0.001", 1, [](ChannelSettings& c) { c.setpointStep = 0.0005f; },
     Kind::Remark,
     "Слишком маленький шаг изменения уставки. Он будет сделан равным 0.001. Записать так?",
     &ChannelSettings::setpointStep, 0.001f},
    {"hysteresis step below 0.001", 0, [](ChannelSettings& c) { c.hysteresisStep = 0.0f; },
     Kind::Remark,
     "Слишком маленький шаг изменения гистерезиса уставки. Он будет сделан равным 0.001. "
     "Записать так?",
     &ChannelSettings::hysteresisStep, 0.001f},
};

TEST(ChannelFindings, NoStopsWithTheKindsCodeAndKeepsTheValue) {
  for (const FindingCase& finding : kFindings) {
    SCOPED_TRACE(finding.fault);
    DeviceSettings settings;
    ChannelSettings& channel = settings.channels[finding.channel];
    finding.provoke(channel);
    const ChannelSettings before = channel;
    RecordingDialogs dialogs;
    dialogs.answers = {DialogAnswer::No};
    const LinkError expected = finding.kind == Kind::Remark ? kStoppedToClarify : kStoppedToCorrect;
    EXPECT_EQ(checkChannel(settings, finding.channel, dialogs, true, true), expected);
    ExpectBoxes(dialogs.shown, {Box(finding.channel, finding.kind, finding.text)});
    if (finding.stored != nullptr) {
      EXPECT_EQ(channel.*finding.stored, before.*finding.stored);
    }
  }
}

TEST(ChannelFindings, YesStoresTheOfferedValueAndGoesOnButNotPastAnError) {
  for (const FindingCase& finding : kFindings) {
    SCOPED_TRACE(finding.fault);
    DeviceSettings settings;
    ChannelSettings& channel = settings.channels[finding.channel];
    finding.provoke(channel);
    RecordingDialogs dialogs;
    dialogs.unscriptedAnswer = DialogAnswer::Yes;
    const LinkError expected = finding.kind == Kind::Error ? kStoppedToCorrect : kOk;
    EXPECT_EQ(checkChannel(settings, finding.channel, dialogs, true, true), expected);
    ExpectBoxes(dialogs.shown, {Box(finding.channel, finding.kind, finding.text)});
    if (finding.stored != nullptr) {
      EXPECT_EQ(channel.*finding.stored, finding.storedOnYes);
    }
  }
}

TEST(ChannelFindings, ValuesOnTheLimitsPass) {
  DeviceSettings settings;
  ChannelSettings& channel = settings.channels[1];
  channel.setpoint1 = 9999.0f;
  channel.setpoint2 = -999.0f;
  channel.rangeMax = 9999.0f;
  channel.rangeMin = -999.0f;
  channel.hysteresis1 = 9999.0f;
  channel.hysteresis2 = 0.0f;
  channel.lineResistance = 0.0f;
  channel.averaging = 10;
  channel.setpointStep = 20.0f;
  channel.hysteresisStep = 0.001f;
  RecordingDialogs dialogs;
  EXPECT_EQ(checkChannel(settings, 1, dialogs, true, true), kOk);
  EXPECT_TRUE(dialogs.shown.empty()) << testing::ShownTexts(dialogs.shown);
}

TEST(ChannelFindings, StepBetweenTenAndTwentyIsNotClamped) {
  DeviceSettings settings;
  settings.channels[0].setpointStep = 15.0f;
  RecordingDialogs dialogs;
  EXPECT_EQ(checkChannel(settings, 0, dialogs, true, true), kOk);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(settings.channels[0].setpointStep, 15.0f);
}

// A value clamped once (or read back from an instrument that holds it) must not ask again.
TEST(ChannelFindings, ClampedValuesPassTheNextRun) {
  DeviceSettings settings;
  settings.channels[0].rangeMax = 12000.0f;
  settings.channels[0].setpointStep = 0.0005f;
  settings.channels[0].hysteresisStep = 0.0009f;
  RecordingDialogs dialogs;
  dialogs.unscriptedAnswer = DialogAnswer::Yes;
  ASSERT_EQ(checkChannel(settings, 0, dialogs, true, true), kOk);
  ASSERT_EQ(dialogs.shown.size(), 3u);
  dialogs.shown.clear();
  EXPECT_EQ(checkChannel(settings, 0, dialogs, true, true), kOk);
  EXPECT_TRUE(dialogs.shown.empty()) << testing::ShownTexts(dialogs.shown);
}

TEST(ChannelRules, HysteresisAboveRangeMaximumIsTheRegulatorZoneOnChannel1) {
  for (const int index : {0, 1}) {
    DeviceSettings settings;
    settings.channels[index].hysteresis1 = 5.0f;
    settings.channels[index].rangeMax = 4.0f;
    RecordingDialogs dialogs;
    const LinkError result = checkChannel(settings, index, dialogs, true, true);
    if (index == 0) {
      EXPECT_EQ(result, kOk);
      EXPECT_TRUE(dialogs.shown.empty());
    } else {
      EXPECT_EQ(result, kStoppedToCorrect);
      ASSERT_EQ(dialogs.shown.size(), 1u);
      EXPECT_EQ(dialogs.shown[0].text,
                "Задан гистерезис 1 превышающий максимум диапазона. Прибор не будет работать "
                "правильно.");
    }
  }
}

TEST(ChannelRules, RegulatorCoefficientsAreNotTestedOnChannel2) {
  DeviceSettings settings;
  settings.channels[1].polynomial = {-1.0f, -1.0f, -1.0f, -1.0f};
  RecordingDialogs dialogs;
  EXPECT_EQ(checkChannel(settings, 1, dialogs, true, true), kOk);
  EXPECT_TRUE(dialogs.shown.empty());
}

// All five clamps and a later error on one channel.
void ProvokeEveryClampAndAnError(ChannelSettings& channel) {
  channel.setpoint1 = 12000.0f;
  channel.setpoint2 = -2000.0f;
  channel.rangeMax = 12000.0f;
  channel.rangeMin = -2000.0f;
  channel.lineResistance = -1.0f;
}

TEST(ChannelOrder, ClampsAcceptedWithYesLetLaterChecksRun) {
  DeviceSettings settings;
  ChannelSettings& channel = settings.channels[0];
  ProvokeEveryClampAndAnError(channel);
  RecordingDialogs dialogs;
  dialogs.unscriptedAnswer = DialogAnswer::Yes;
  EXPECT_EQ(checkChannel(settings, 0, dialogs, true, true), kStoppedToCorrect);
  ASSERT_EQ(dialogs.shown.size(), 5u) << testing::ShownTexts(dialogs.shown);
  EXPECT_EQ(dialogs.shown[4].text,
            "Задано отрицательное сопротивление линии для двухпроводного включения. Прибор не "
            "будет работать правильно.");
  EXPECT_EQ(channel.setpoint1, 9999.0f);
  EXPECT_EQ(channel.setpoint2, -999.0f);
  EXPECT_EQ(channel.rangeMax, 9999.999f);
  EXPECT_EQ(channel.rangeMin, -999.0f);
}

TEST(ChannelOrder, NothingRunsAfterNoAndEarlierClampsStay) {
  DeviceSettings settings;
  ChannelSettings& channel = settings.channels[0];
  ProvokeEveryClampAndAnError(channel);
  RecordingDialogs dialogs;
  dialogs.answers = {DialogAnswer::Yes, DialogAnswer::No};
  dialogs.unscriptedAnswer = DialogAnswer::Yes;
  EXPECT_EQ(checkChannel(settings, 0, dialogs, true, true), kStoppedToCorrect);
  EXPECT_EQ(dialogs.shown.size(), 2u) << testing::ShownTexts(dialogs.shown);
  EXPECT_EQ(channel.setpoint1, 9999.0f);
  EXPECT_EQ(channel.setpoint2, -2000.0f);
  EXPECT_EQ(channel.rangeMax, 12000.0f);
}

TEST(ChannelOrder, RangeOrderSeesTheClampedMinimum) {
  DeviceSettings settings;
  ChannelSettings& channel = settings.channels[1];
  channel.rangeMin = -2000.0f;
  channel.rangeMax = -999.0f;
  RecordingDialogs dialogs;
  dialogs.unscriptedAnswer = DialogAnswer::Yes;
  EXPECT_EQ(checkChannel(settings, 1, dialogs, true, true), kStoppedToCorrect);
  ExpectBoxes(
      dialogs.shown,
      {Box(1, Kind::Clamp,
           "Слишком маленький минимальный диапазон. Он будет ограничен величиной -999.0. Записать "
           "так как есть?"),
       Box(1, Kind::Error,
           "Неправильное соотношение между диапазонами. Прибор не будет работать правильно.")});
}

TEST(ChannelOrder, ClampedMaximumStaysAboveTheLargestMinimum) {
  DeviceSettings settings;
  ChannelSettings& channel = settings.channels[0];
  channel.rangeMax = 12000.0f;
  channel.rangeMin = 9999.0f;
  RecordingDialogs dialogs;
  dialogs.unscriptedAnswer = DialogAnswer::Yes;
  EXPECT_EQ(checkChannel(settings, 0, dialogs, true, true), kOk);
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(channel.rangeMax, 9999.999f);
}

TEST(ChannelSwitches, SwitchedOffGroupsAskNothing) {
  DeviceSettings settings;
  settings.channels[0].rangeMin = settings.channels[0].rangeMax;
  settings.channels[0].averaging = 11;
  const std::string remark =
      "При таком усреднении в канале теряется динамика отображения.Записать так как есть?";
  {
    RecordingDialogs dialogs;
    EXPECT_EQ(checkChannel(settings, 0, dialogs, true, false), kStoppedToClarify);
    ExpectBoxes(dialogs.shown, {Box(0, Kind::Remark, remark)});
  }
  {
    RecordingDialogs dialogs;
    EXPECT_EQ(checkChannels(settings, dialogs, false, true), kStoppedToCorrect);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::Ok);
  }
  {
    RecordingDialogs dialogs;
    EXPECT_EQ(checkChannels(settings, dialogs, false, false), kOk);
    EXPECT_TRUE(dialogs.shown.empty());
  }
  {
    settings.channels[0].rangeMin = 0.0f;
    RecordingDialogs dialogs;
    EXPECT_EQ(checkChannels(settings, dialogs, false, true), kOk);
    EXPECT_TRUE(dialogs.shown.empty());
  }
}

TEST(CheckChannels, UnselectedChannelIsNotChecked) {
  DeviceSettings settings;
  settings.channels[1].selected = 0;
  settings.channels[1].rangeMin = 500.0f;
  RecordingDialogs dialogs;
  EXPECT_EQ(checkChannels(settings, dialogs, true, true), kOk);
  EXPECT_TRUE(dialogs.shown.empty());

  settings.channels[0].selected = 0;
  settings.channels[1].selected = 1;
  EXPECT_EQ(checkChannels(settings, dialogs, true, true), kStoppedToCorrect);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].caption, "Ошибка в настройках канала 2");
}

TEST(CheckChannels, StopOnChannel1LeavesChannel2Unchecked) {
  DeviceSettings settings;
  settings.channels[0].averaging = 50;
  settings.channels[1].setpoint1 = 12000.0f;
  RecordingDialogs dialogs;
  EXPECT_EQ(checkChannels(settings, dialogs, true, true), kStoppedToClarify);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].caption, "Замечание по настройкам канала 1");
  EXPECT_EQ(settings.channels[1].setpoint1, 12000.0f);
}

TEST(CheckChannels, AcceptedChannel1GoesOnToChannel2) {
  DeviceSettings settings;
  settings.channels[0].setpoint1 = 12000.0f;
  settings.channels[1].averaging = 11;
  RecordingDialogs dialogs;
  dialogs.answers = {DialogAnswer::Yes, DialogAnswer::No};
  EXPECT_EQ(checkChannels(settings, dialogs, true, true), kStoppedToClarify);
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[1].caption, "Замечание по настройкам канала 2");
  EXPECT_EQ(settings.channels[0].setpoint1, 9999.0f);
}

}  // namespace
}  // namespace zorkan
