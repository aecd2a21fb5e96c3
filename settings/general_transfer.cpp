#include "operator/operator_text.h"
#include "settings/parameter_map.h"
#include "settings/settings_transfer.h"
#include "settings/transfer_steps.h"

namespace zorkan {

namespace {

constexpr int kYearBase = 2000;

const ProgressLines kDeviceNumberLines{
    OPERATOR_TEXT("Ход процесса"), "", "", "", "", OPERATOR_TEXT("Для прекращения нажмите ESC")};

void ShowDeviceNumberPanel(Progress& progress) {
  progress.SetProgressLines(kDeviceNumberLines);
  progress.ShowProgress();
}

// Each byte of the serial number changes only by its own successful read.
LinkError ReadSerialNumberByte(DeviceLink& link, ParameterRef parameter, int shift,
                               std::int32_t& serialNumber) {
  std::int32_t byte = 0;
  const LinkError result = ReadParameter(link, parameter, byte);
  if (result == kOk) serialNumber = (serialNumber & ~(0xFF << shift)) | (byte << shift);
  return result;
}

}  // namespace

LinkError readManufactureDate(SettingsTransfer& transfer) {
  DeviceLink& link = transfer.link;
  GeneralSettings& general = transfer.settings.general;
  LinkError result = ReadParameter(link, ManufactureDayParam(), general.manufactureDay);
  if (result == kOk)
    result = ReadParameter(link, ManufactureMonthParam(), general.manufactureMonth);
  // The year changes only when all three parts of the date were read.
  std::int32_t year = 0;
  if (result == kOk) result = ReadParameter(link, ManufactureYearParam(), year);
  if (result == kOk) general.manufactureYear = year + kYearBase;
  return result;
}

LinkError readDeviceNumber(SettingsTransfer& transfer) {
  Progress& progress = transfer.progress;
  DeviceLink& link = transfer.link;
  GeneralSettings& general = transfer.settings.general;
  ShowDeviceNumberPanel(progress);
  progress.SetProgressStep(OPERATOR_TEXT("Читаем номер прибора"));
  LinkError result = ReadSerialNumberByte(link, SerialNumberLowParam(), 0, general.serialNumber);
  if (result == kOk) {
    result = ReadSerialNumberByte(link, SerialNumberHighParam(), 8, general.serialNumber);
  }
  if (result == kOk) result = ReadParameter(link, QcCodeParam(), general.qcCode);
  if (result == kOk) {
    progress.refreshProgress();
    result = readManufactureDate(transfer);
  }
  return StopSequence(progress, result);
}

LinkError readGeneral(SettingsTransfer& transfer) {
  if (const LinkError result = readDeviceNumber(transfer); result != kOk) return result;
  Progress& progress = transfer.progress;
  GeneralSettings& general = transfer.settings.general;
  ShowDeviceNumberPanel(progress);
  return RunSteps<ReadItem>(
      transfer.link, progress,
      {{OPERATOR_TEXT("Версия ПО прибора"), {{FirmwareVersionParam(), &general.firmwareVersion}}},
       {OPERATOR_TEXT("Тип прибора"), {{DeviceTypeParam(), &general.deviceType}}},
       {OPERATOR_TEXT("Вид отображения ошибки"), {{ErrorDisplayParam(), &general.errorDisplay}}}});
}

LinkError writeGeneral(SettingsTransfer& transfer) {
  const GeneralSettings& general = transfer.settings.general;
  transfer.progress.ShowProgress();
  return RunSteps<WriteItem>(
      transfer.link, transfer.progress,
      {{OPERATOR_TEXT("Записываем тип прибора"), {{DeviceTypeParam(), general.deviceType}}},
       {OPERATOR_TEXT("Записываем вид отображения ошибки"),
        {{ErrorDisplayParam(), general.errorDisplay}}}});
}

LinkError finishWrite(SettingsTransfer& transfer) {
  const LinkError result = RunSteps<WriteItem>(
      transfer.link, transfer.progress,
      {{OPERATOR_TEXT("Тип прибора"), {{DeviceKindCodeParam(), kDeviceKindCode}}},
       {OPERATOR_TEXT("Отдается команда на перезагрузку прибора"),
        {{RestartParam(), kRestartCommand}}}});
  if (result != kOk) return result;
  return StopSequence(transfer.progress, kOk);
}

}  // namespace zorkan
