#include "operator/operator_text.h"
#include "settings/settings_transfer.h"
#include "settings/transfer_steps.h"

namespace zorkan {

namespace {

const ProgressLines kDeviceLines{
    OPERATOR_TEXT("Ход процесса"), "", "", "", "", OPERATOR_TEXT("Для прекращения нажмите ESC")};

}  // namespace

LinkError readAllSettings(SettingsTransfer& transfer) {
  Progress& progress = transfer.progress;
  progress.SetProgressLines(kDeviceLines);
  for (int channel = 0; channel < kChannelCount; ++channel) {
    progress.setProgressHeading(
        FillText(OPERATOR_TEXT("Идет чтение настроек канала %1"), channel + 1));
    progress.ShowProgress();
    if (const LinkError result = readChannel(transfer, channel); result != kOk) {
      return StopSequence(progress, result);
    }
  }
  if (const LinkError result = readRelayLogic(transfer); result != kOk) {
    return StopSequence(progress, result);
  }
  if (const LinkError result = readRegulator(transfer); result != kOk) {
    return StopSequence(progress, result);
  }
  progress.refreshProgress();
  if (transfer.settings.general.generalSelected == 1) {
    if (const LinkError result = readGeneral(transfer); result != kOk) {
      return StopSequence(progress, result);
    }
  }
  return StopSequence(progress, kOk);
}

LinkError writeAllSettings(SettingsTransfer& transfer) {
  Progress& progress = transfer.progress;
  progress.SetProgressLines(kDeviceLines);
  progress.ShowProgress();
  for (int channel = 0; channel < kChannelCount; ++channel) {
    if (const LinkError result = writeChannel(transfer, channel); result != kOk) {
      return StopSequence(progress, result);
    }
  }
  if (const LinkError result = writeRelayLogic(transfer); result != kOk) {
    return StopSequence(progress, result);
  }
  if (const LinkError result = writeRegulator(transfer); result != kOk) {
    return StopSequence(progress, result);
  }
  progress.SetProgressLines({OPERATOR_TEXT("Ход процесса"), "", "", "", "", ""});
  if (transfer.settings.general.generalSelected == 1) {
    if (const LinkError result = writeGeneral(transfer); result != kOk) {
      return StopSequence(progress, result);
    }
  }
  // Whatever groups were selected, the write ends with the device kind code and the restart.
  return finishWrite(transfer);
}

}  // namespace zorkan
