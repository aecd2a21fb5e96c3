// Relay assignments the device type cannot carry out: which questions each type asks, in which
// order, and that No stops at once while Yes goes on.
#include <gtest/gtest.h>

#include "settings/relay_checks.h"
#include "tests/settings/expect_boxes.h"
#include "tests/support/recording_dialogs.h"

namespace zorkan {
namespace {

using testing::ExpectBoxes;
using testing::RecordingDialogs;

DialogMessage Question(std::string text) {
  return {"Ошибка в настройках реле ", std::move(text), DialogIcon::Error, DialogButtons::YesNo};
}

using Masks = std::array<std::array<std::int32_t, kChannelCount>, kRelayCount>;

DeviceSettings WithRelays(int deviceType, Masks masks) {
  DeviceSettings settings;
  settings.general.deviceType = deviceType;
  settings.relays.relayMask = masks;
  return settings;
}

// Masks that provoke every question of a device type, with those questions in order.
struct EveryQuestion {
  int deviceType;
  Masks masks;  // [relay][channel]
  std::vector<const char*> texts;
};

const EveryQuestion kEveryQuestion[] = {
    {kDeviceSingleChannel,
     {{{0x08, 0x01}, {0x40, 0x04}}},
     {"В одноканальном приборе реле 1 назначено на второй канал. Записать так как есть?",
      "В одноканальном приборе реле 2 назначено на второй канал. Записать так как есть?",
      "В одноканальном приборе реле 1 назначено на управление задвижкой. Записать так как есть?",
      "В одноканальном приборе реле 2 назначено на управление задвижкой. Записать так как есть?"}},
    {kDeviceTwoChannel,
     {{{0x0A, 0x02}, {0x22, 0x02}}},
     {"В двухканальном приборе реле 1 назначено на вторую уставку первого канала. Записать так как "
      "есть?",
      "В двухканальном приборе реле 2 назначено на вторую уставку первого канала. Записать так как "
      "есть?",
      "В двухканальном приборе реле 1 назначено на вторую уставку второго канала. Записать так как "
      "есть?",
      "В двухканальном приборе реле 2 назначено на вторую уставку второго канала. Записать так как "
      "есть?",
      "В двухканальном  приборе реле 1 назначено на управление задвижкой. Записать так как есть?",
      "В двухканальном  приборе реле 2 назначено на управление задвижкой. Записать так как есть?"}},
    {kDeviceValveRegulator,
     {{{0x01, 0x04}, {0x14, 0x02}}},
     {"В приборе управляющем задвижками реле 1 назначено еще и на уставки или обрыв. Записать так "
      "как есть?",
      "В приборе управляющем задвижками реле 1 назначено еще и на уставки или обрыв. Записать так "
      "как есть?",
      "В приборе управляющем задвижками реле 2 назначено еще и на уставки или обрыв. Записать так "
      "как есть?",
      "В приборе управляющем задвижками реле 2 назначено еще и на уставки или обрыв. Записать так "
      "как есть?",
      "Для реле 1 неправильно выбран источник срабатывания. Записать так как есть?",
      "Для реле 2 неправильно выбран источник срабатывания. Записать так как есть?"}},
};

TEST(RelayQuestions, YesToEveryQuestionAsksAllInOrderAndPasses) {
  for (const EveryQuestion& type : kEveryQuestion) {
    SCOPED_TRACE("device type " + std::to_string(type.deviceType));
    const DeviceSettings settings = WithRelays(type.deviceType, type.masks);
    RecordingDialogs dialogs;
    dialogs.unscriptedAnswer = DialogAnswer::Yes;
    EXPECT_EQ(checkRelays(settings, dialogs), kOk);
    std::vector<DialogMessage> expected;
    for (const char* text : type.texts) expected.push_back(Question(text));
    ExpectBoxes(dialogs.shown, expected);
    EXPECT_EQ(settings.relays.relayMask, type.masks);
  }
}

TEST(RelayQuestions, NoStopsAtThatQuestion) {
  for (const EveryQuestion& type : kEveryQuestion) {
    for (std::size_t refused = 0; refused < type.texts.size(); ++refused) {
      SCOPED_TRACE("device type " + std::to_string(type.deviceType) + ", No to question " +
                   std::to_string(refused + 1));
      RecordingDialogs dialogs;
      dialogs.answers.assign(refused, DialogAnswer::Yes);
      dialogs.answers.push_back(DialogAnswer::No);
      dialogs.unscriptedAnswer = DialogAnswer::Yes;
      EXPECT_EQ(checkRelays(WithRelays(type.deviceType, type.masks), dialogs), kStoppedToCorrect);
      ASSERT_EQ(dialogs.shown.size(), refused + 1);
      EXPECT_EQ(dialogs.shown.back().text, type.texts[refused]);
    }
  }
}

TEST(RelayQuestions, UsualAssignmentsAskNothing) {
  const std::pair<int, Masks> usual[] = {
      {kDeviceSingleChannel, {{{0x01, 0x00}, {0x06, 0x00}}}},
      {kDeviceTwoChannel, {{{0x05, 0x01}, {0x04, 0x05}}}},
      {kDeviceValveRegulator, {{{0x08, 0x00}, {0x40, 0x00}}}},
      {kDevicePidRegulator, {{{0xFF, 0xFF}, {0x00, 0xFF}}}},
  };
  for (const auto& [deviceType, masks] : usual) {
    SCOPED_TRACE("device type " + std::to_string(deviceType));
    RecordingDialogs dialogs;
    EXPECT_EQ(checkRelays(WithRelays(deviceType, masks), dialogs), kOk);
    EXPECT_TRUE(dialogs.shown.empty()) << testing::ShownTexts(dialogs.shown);
  }
}

TEST(RelayQuestions, ValveRelayNeedsExactlyOneSource) {
  RecordingDialogs dialogs;
  EXPECT_EQ(checkRelays(WithRelays(kDeviceValveRegulator, {{{0x18, 0x00}, {0x20, 0x00}}}), dialogs),
            kStoppedToCorrect);
  ExpectBoxes(dialogs.shown,
              {Question("Для реле 1 неправильно выбран источник срабатывания. Записать так как "
                        "есть?")});

  dialogs.shown.clear();
  EXPECT_EQ(checkRelays(WithRelays(kDeviceValveRegulator, {{{0x10, 0x00}, {0x00, 0x00}}}), dialogs),
            kStoppedToCorrect);
  ExpectBoxes(dialogs.shown,
              {Question("Для реле 2 неправильно выбран источник срабатывания. Записать так как "
                        "есть?")});
}

TEST(RelayQuestions, AskedEvenWhenRelayLogicIsNotTransferred) {
  DeviceSettings settings = WithRelays(kDeviceSingleChannel, {{{0x00, 0x01}, {0x00, 0x00}}});
  settings.relays.relaySelected = 0;
  RecordingDialogs dialogs;
  EXPECT_EQ(checkRelays(settings, dialogs), kStoppedToCorrect);
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

}  // namespace
}  // namespace zorkan
