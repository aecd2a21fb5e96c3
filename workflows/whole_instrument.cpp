#include "workflows/whole_instrument.h"

#include <array>

#include "link/link_error.h"
#include "operator/result_messages.h"
#include "settings/channel_checks.h"
#include "settings/relay_checks.h"
#include "settings/settings_transfer.h"
#include "workflows/exchange_journal.h"

namespace zorkan {

namespace {

// The four group switches: both channels, the relay logic, the general parameters.
std::array<std::int32_t*, 4> GroupSwitches(DeviceSettings& settings) {
  return {&settings.channels[0].selected, &settings.channels[1].selected,
          &settings.relays.relaySelected, &settings.general.generalSelected};
}

void SelectEveryGroup(DeviceSettings& settings) {
  for (std::int32_t* selected : GroupSwitches(settings)) *selected = 1;
}

// The buttons start from a clean latch (an Escape pressed before the click does not cancel) and
// cover the whole instrument.
void StartWholeExchange(ExchangeContext& exchange, DeviceSettings& settings, SettingsView& pages) {
  exchange.latch.ResetCancel();
  SelectEveryGroup(settings);
  pages.showGroupSelection();
}

LinkError Reported(ExchangeContext& exchange, LinkError code) {
  if (code != kOk) ReportResult(code, exchange.dialogs, exchange.latch);
  return code;
}

// The entry is made before the result's box: it is dated when the exchange ended, not when the
// operator closed the box.
LinkError ReadLocked(ExchangeContext& exchange, DeviceSettings& settings) {
  exchange.controls.LockExchangeControls();
  SettingsTransfer transfer{exchange.link, exchange.progress, settings};
  const LinkError result = readAllSettings(transfer);
  RecordWholeRead(exchange, result, settings);
  Reported(exchange, result);
  exchange.controls.UnlockExchangeControls();
  TellJournalFailure(exchange);
  return result;
}

// A check that stops the write stops it before anything is sent, so it leaves no entry.
LinkError CheckAndWrite(ExchangeContext& exchange, DeviceSettings& settings) {
  if (const LinkError result = checkRelays(settings, exchange.dialogs); result != kOk) {
    return result;
  }
  constexpr bool kRemarks = true;
  constexpr bool kErrors = true;
  if (const LinkError result = checkChannels(settings, exchange.dialogs, kRemarks, kErrors);
      result != kOk) {
    return result;
  }
  SettingsTransfer transfer{exchange.link, exchange.progress, settings};
  const LinkError result = writeAllSettings(transfer);
  RecordWholeWrite(exchange, result, settings);
  return result;
}

}  // namespace

LinkError ReadWholeInstrument(ExchangeContext& exchange, DeviceSettings& settings,
                              SettingsView& pages) {
  StartWholeExchange(exchange, settings, pages);
  pages.CollectSettings();
  const LinkError result = ReadLocked(exchange, settings);
  pages.ShowSettings();
  return result;
}

LinkError ReadWholeInstrumentInto(ExchangeContext& exchange, DeviceSettings& settings) {
  exchange.latch.ResetCancel();
  SelectEveryGroup(settings);
  return ReadLocked(exchange, settings);
}

LinkError WriteWholeInstrument(ExchangeContext& exchange, DeviceSettings& settings,
                               SettingsView& pages) {
  StartWholeExchange(exchange, settings, pages);
  LinkError result = checkFields(pages.shownFieldTexts(), exchange.dialogs);
  if (result == kOk) result = checkListSelections(pages.listsWithoutSelection(), exchange.dialogs);
  if (result == kOk) {
    pages.CollectSettings();
    exchange.controls.LockExchangeControls();
    result = CheckAndWrite(exchange, settings);
  }
  Reported(exchange, result);
  exchange.controls.UnlockExchangeControls();
  TellJournalFailure(exchange);
  return result;
}

LinkError ReadForReport(ExchangeContext& exchange, DeviceSettings& settings, SettingsView& pages) {
  exchange.latch.ResetCancel();
  exchange.controls.LockExchangeControls();
  const auto switches = GroupSwitches(settings);
  std::array<std::int32_t, switches.size()> saved{};
  for (std::size_t i = 0; i < switches.size(); ++i) saved[i] = *switches[i];
  SelectEveryGroup(settings);
  SettingsTransfer transfer{exchange.link, exchange.progress, settings};
  LinkError result = readAllSettings(transfer);
  for (std::size_t i = 0; i < switches.size(); ++i) *switches[i] = saved[i];
  if (result == kOk) result = readManufactureDate(transfer);
  Reported(exchange, result);
  exchange.controls.UnlockExchangeControls();
  if (result == kOk) pages.ShowSettings();
  return result;
}

}  // namespace zorkan
