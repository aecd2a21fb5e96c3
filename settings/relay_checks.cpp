#include "settings/relay_checks.h"

#include <bit>
#include <string>
#include <string_view>

#include "operator/operator_text.h"

namespace zorkan {

namespace {

// Bits of a mask byte: setpoint 1, setpoint 2 and sensor break of the byte's channel; in the
// channel-1 byte also the four valve-control sources.
constexpr int kSetpoint2Bit = 0x02;
constexpr int kChannelEvents = 0x07;
constexpr int kValveSources = 0x78;
constexpr int kAnyEvent = ~0;

enum class MaskTest {
  AnyOf,    // some of `bits` set
  NotOneOf  // anything but exactly one of `bits` and nothing else, 0 included
};

struct RelayCheck {
  int deviceType;
  int relay;    // 0: relay 1
  int channel;  // whose mask byte: 0 for channel 1
  MaskTest test;
  int bits;
  std::string_view text;
};

constexpr std::string_view kRelay1AlsoOnEvents = OPERATOR_TEXT(
    "В приборе управляющем задвижками реле 1 назначено еще и на уставки или обрыв. Записать так "
    "как есть?");
constexpr std::string_view kRelay2AlsoOnEvents = OPERATOR_TEXT(
    "В приборе управляющем задвижками реле 2 назначено еще и на уставки или обрыв. Записать так "
    "как есть?");

constexpr RelayCheck kRelayChecks[] = {
    {kDeviceSingleChannel, 0, 1, MaskTest::AnyOf, kAnyEvent,
     OPERATOR_TEXT(
         "В одноканальном приборе реле 1 назначено на второй канал. Записать так как есть?")},
    {kDeviceSingleChannel, 1, 1, MaskTest::AnyOf, kAnyEvent,
     OPERATOR_TEXT(
         "В одноканальном приборе реле 2 назначено на второй канал. Записать так как есть?")},
    {kDeviceSingleChannel, 0, 0, MaskTest::AnyOf, kValveSources,
     OPERATOR_TEXT("В одноканальном приборе реле 1 назначено на управление задвижкой. Записать так "
                   "как есть?")},
    {kDeviceSingleChannel, 1, 0, MaskTest::AnyOf, kValveSources,
     OPERATOR_TEXT("В одноканальном приборе реле 2 назначено на управление задвижкой. Записать так "
                   "как есть?")},
    {kDeviceTwoChannel, 0, 0, MaskTest::AnyOf, kSetpoint2Bit,
     OPERATOR_TEXT("В двухканальном приборе реле 1 назначено на вторую уставку первого канала. "
                   "Записать так как "
                   "есть?")},
    {kDeviceTwoChannel, 1, 0, MaskTest::AnyOf, kSetpoint2Bit,
     OPERATOR_TEXT("В двухканальном приборе реле 2 назначено на вторую уставку первого канала. "
                   "Записать так как "
                   "есть?")},
    {kDeviceTwoChannel, 0, 1, MaskTest::AnyOf, kSetpoint2Bit,
     OPERATOR_TEXT("В двухканальном приборе реле 1 назначено на вторую уставку второго канала. "
                   "Записать так как "
                   "есть?")},
    {kDeviceTwoChannel, 1, 1, MaskTest::AnyOf, kSetpoint2Bit,
     OPERATOR_TEXT("В двухканальном приборе реле 2 назначено на вторую уставку второго канала. "
                   "Записать так как "
                   "есть?")},
    {kDeviceTwoChannel, 0, 0, MaskTest::AnyOf, kValveSources,
     OPERATOR_TEXT("В двухканальном  приборе реле 1 назначено на управление задвижкой. Записать "
                   "так как есть?")},
    {kDeviceTwoChannel, 1, 0, MaskTest::AnyOf, kValveSources,
     OPERATOR_TEXT("В двухканальном  приборе реле 2 назначено на управление задвижкой. Записать "
                   "так как есть?")},
    {kDeviceValveRegulator, 0, 0, MaskTest::AnyOf, kChannelEvents, kRelay1AlsoOnEvents},
    {kDeviceValveRegulator, 0, 1, MaskTest::AnyOf, kAnyEvent, kRelay1AlsoOnEvents},
    {kDeviceValveRegulator, 1, 0, MaskTest::AnyOf, kChannelEvents, kRelay2AlsoOnEvents},
    {kDeviceValveRegulator, 1, 1, MaskTest::AnyOf, kAnyEvent, kRelay2AlsoOnEvents},
    {kDeviceValveRegulator, 0, 0, MaskTest::NotOneOf, kValveSources,
     OPERATOR_TEXT("Для реле 1 неправильно выбран источник срабатывания. Записать так как есть?")},
    {kDeviceValveRegulator, 1, 0, MaskTest::NotOneOf, kValveSources,
     OPERATOR_TEXT("Для реле 2 неправильно выбран источник срабатывания. Записать так как есть?")},
};

bool Fails(const RelayCheck& check, int mask) {
  switch (check.test) {
    case MaskTest::AnyOf:
      return (mask & check.bits) != 0;
    case MaskTest::NotOneOf:
      return !std::has_single_bit(static_cast<unsigned>(mask)) || (mask & ~check.bits) != 0;
  }
  return false;
}

}  // namespace

LinkError checkRelays(const DeviceSettings& settings, OperatorDialogs& dialogs) {
  const auto& masks = settings.relays.relayMask;
  for (const RelayCheck& check : kRelayChecks) {
    if (check.deviceType != settings.general.deviceType) continue;
    if (!Fails(check, masks[check.relay][check.channel])) continue;
    const DialogAnswer answer =
        dialogs.ask({OPERATOR_TEXT("Ошибка в настройках реле "), std::string(check.text),
                     DialogIcon::Error, DialogButtons::YesNo});
    if (answer != DialogAnswer::Yes) return kStoppedToCorrect;
  }
  return kOk;
}

}  // namespace zorkan
