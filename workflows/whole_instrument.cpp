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
LinkError ReadAndReport(ExchangeContext& exchange, DeviceSettings& settings) {
  const ExchangeControlsLock locked(exchange.controls);
  SettingsTransfer transfer{exchange.link, exchange.progress, settings};
  const LinkError result = readAllSettings(transfer);
  RecordWholeRead(exchange, result, settings);
  return Reported(exchange, result);
}

// The journal's failure is told once the controls are back.
LinkError ReadLocked(ExchangeContext& exchange, DeviceSettings& settings) {
  const LinkError result = ReadAndReport(exchange, settings);
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

// The typed numbers and the lists are checked before the pages are taken and the controls locked.
LinkError WriteAndReport(ExchangeContext& exchange, DeviceSettings& settings, SettingsView& pages) {
  ExchangeControlsLock controls(exchange.controls, ExchangeControlsLock::From::Later);
  LinkError result = checkFields(pages.shownFieldTexts(), exchange.dialogs);
  if (result == kOk) result = checkListSelections(pages.listsWithoutSelection(), exchange.dialogs);
  if (result == kOk) {
    pages.CollectSettings();
    controls.lock();
    result = CheckAndWrite(exchange, settings);
  }
  return Reported(exchange, result);
}

LinkError ReadAndReportEveryGroup(ExchangeContext& exchange, DeviceSettings& settings) {
  const ExchangeControlsLock locked(exchange.controls);
  const auto switches = GroupSwitches(settings);
  std::array<std::int32_t, switches.size()> saved{};
  for (std::size_t i = 0; i < switches.size(); ++i) saved[i] = *switches[i];
  SelectEveryGroup(settings);
  SettingsTransfer transfer{exchange.link, exchange.progress, settings};
  LinkError result = readAllSettings(transfer);
  for (std::size_t i = 0; i < switches.size(); ++i) *switches[i] = saved[i];
  if (result == kOk) result = readManufactureDate(transfer);
  return Reported(exchange, result);
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
  const LinkError result = WriteAndReport(exchange, settings, pages);
  TellJournalFailure(exchange);
  return result;
}

LinkError ReadForReport(ExchangeContext& exchange, DeviceSettings& settings, SettingsView& pages) {
  exchange.latch.ResetCancel();
  const LinkError result = ReadAndReportEveryGroup(exchange, settings);
  if (result == kOk) pages.ShowSettings();
  return result;
}

}  // namespace zorkan
