#include "workflows/workbench.h"

#include <array>

#include "link/link_error.h"
#include "settings/channel_checks.h"
#include "settings/relay_checks.h"
#include "settings/settings_transfer.h"

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
void StartWholeExchange(Workbench& bench) {
  bench.latch.ResetCancel();
  SelectEveryGroup(bench.settings);
  bench.view.showGroupSelection();
}

LinkError Reported(Workbench& bench, LinkError code) {
  if (code != kOk) ReportResult(code, bench.dialogs, bench.latch);
  return code;
}

LinkError CheckAndWrite(Workbench& bench) {
  DeviceSettings& settings = bench.settings;
  if (const LinkError result = checkRelays(settings, bench.dialogs); result != kOk) return result;
  constexpr bool kRemarks = true;
  constexpr bool kErrors = true;
  if (const LinkError result = checkChannels(settings, bench.dialogs, kRemarks, kErrors);
      result != kOk) {
    return result;
  }
  SettingsTransfer transfer{bench.link, bench.progress, settings};
  return writeAllSettings(transfer);
}

}  // namespace

LinkError ReadWholeInstrument(Workbench& bench) {
  StartWholeExchange(bench);
  bench.view.CollectSettings();
  bench.view.LockExchangeControls();
  SettingsTransfer transfer{bench.link, bench.progress, bench.settings};
  const LinkError result = Reported(bench, readAllSettings(transfer));
  bench.view.UnlockExchangeControls();
  bench.view.ShowSettings();
  return result;
}

LinkError WriteWholeInstrument(Workbench& bench) {
  StartWholeExchange(bench);
  LinkError result = checkFields(bench.view.shownFieldTexts(), bench.dialogs);
  if (result == kOk)
    result = checkListSelections(bench.view.listsWithoutSelection(), bench.dialogs);
  if (result == kOk) {
    bench.view.CollectSettings();
    bench.view.LockExchangeControls();
    result = CheckAndWrite(bench);
  }
  Reported(bench, result);
  bench.view.UnlockExchangeControls();
  return result;
}

LinkError ReadForReport(Workbench& bench) {
  bench.latch.ResetCancel();
  bench.view.LockExchangeControls();
  const auto switches = GroupSwitches(bench.settings);
  std::array<std::int32_t, switches.size()> saved{};
  for (std::size_t i = 0; i < switches.size(); ++i) saved[i] = *switches[i];
  SelectEveryGroup(bench.settings);
  SettingsTransfer transfer{bench.link, bench.progress, bench.settings};
  LinkError result = readAllSettings(transfer);
  for (std::size_t i = 0; i < switches.size(); ++i) *switches[i] = saved[i];
  if (result == kOk) result = readManufactureDate(transfer);
  Reported(bench, result);
  bench.view.UnlockExchangeControls();
  if (result == kOk) bench.view.ShowSettings();
  return result;
}

}  // namespace zorkan
