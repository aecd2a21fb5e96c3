#include "settings/parameter_map.h"
#include "settings/settings_transfer.h"
#include "settings/transfer_steps.h"

namespace zorkan {

namespace {

constexpr bool kTest = true;
constexpr bool kNoTest = false;

bool IsChannel(int channel) {
  return channel >= 0 && channel < kChannelCount;
}

std::vector<TransferStep<ReadItem>> ChannelReadSteps(int i, ChannelSettings& c) {
  return {
      {"Чтение типа датчика", {{SensorTypeParam(i), &c.sensorType}}, kTest},
      {"Чтение максимума диапазона", {{RangeMaxParam(i), &c.rangeMax}}, kTest},
      {"Чтение минимума диапазона", {{RangeMinParam(i), &c.rangeMin}}, kTest},
      {"Чтение разрешения извлечения корня", {{RootExtractionParam(i), &c.rootExtraction}}, kTest},
      {"Подстройка диапазона", {{RangeAdjustParam(i), &c.rangeAdjust}}, kTest},
      {"Чтение смещения", {{OffsetParam(i), &c.offset}}, kTest},
      {"Чтение уставки 1", {{Setpoint1Param(i), &c.setpoint1}}, kTest},
      {"Чтение гистерезиса 1", {{Hysteresis1Param(i), &c.hysteresis1}}, kTest},
      {"Чтение типа уставки 1", {{SetpointType1Param(i), &c.setpointType1}}, kTest},
      {"Чтение уставки 2", {{Setpoint2Param(i), &c.setpoint2}}, kTest},
      {"Чтение гистерезиса уставки 2", {{Hysteresis2Param(i), &c.hysteresis2}}, kTest},
      {"Чтение типа уставки 2", {{SetpointType2Param(i), &c.setpointType2}}, kTest},
      {"Чтение усреднения", {{AveragingParam(i), &c.averaging}}, kTest},
      {"Чтение числа наблюдений", {{ObservationsParam(i), &c.observations}}, kTest},
      {"Чтение исключения канала", {{ChannelEnableParam(i), &c.channelEnable}}, kTest},
      {"Чтение числа знаков после запятой", {{DecimalsParam(i), &c.decimals}}, kNoTest},
      {"Чтение скорости изменения уставки", {{SetpointStepParam(i), &c.setpointStep}}, kNoTest},
      {"Чтение скорости изменения гистерезиса",
       {{HysteresisStepParam(i), &c.hysteresisStep}},
       kNoTest},
      {"Чтение корректирующего полинома",
       {{PolynomialParam(i, 0), &c.polynomial[0]},
        {PolynomialParam(i, 1), &c.polynomial[1]},
        {PolynomialParam(i, 2), &c.polynomial[2]},
        {PolynomialParam(i, 3), &c.polynomial[3]}},
       kNoTest},
  };
}

// Each setpoint is switched off before its value and hysteresis change, and gets its type back
// last, so that the instrument never acts on half-written setpoint settings.
std::vector<TransferStep<VerifiedWriteItem>> ChannelWriteSteps(int i, const ChannelSettings& c) {
  return {
      {"Запись типа датчика", {{SensorTypeParam(i), c.sensorType}}, kTest},
      {"Запись максимума диапазона", {{RangeMaxParam(i), c.rangeMax}}, kTest},
      {"Запись минимума диапазона", {{RangeMinParam(i), c.rangeMin}}, kTest},
      {"Запись разрешения извлечения корня", {{RootExtractionParam(i), c.rootExtraction}}, kTest},
      {"Подстройка диапазона", {{RangeAdjustParam(i), c.rangeAdjust}}, kNoTest},
      {"Запись смещения", {{OffsetParam(i), c.offset}}, kTest},
      {"Подготовка к смене уставки 1", {{SetpointType1Param(i), kSetpointOff}}, kNoTest},
      {"Запись уставки 1", {{Setpoint1Param(i), c.setpoint1}}, kTest},
      {"Запись гистерезиса уставки 1", {{Hysteresis1Param(i), c.hysteresis1}}, kTest},
      {"Запись типа уставки 1", {{SetpointType1Param(i), c.setpointType1}}, kTest},
      {"Подготовка к изменению типа уставки 2", {{SetpointType2Param(i), kSetpointOff}}, kTest},
      {"Запись уставки 2", {{Setpoint2Param(i), c.setpoint2}}, kTest},
      {"Запись гистерезиса уставки 2", {{Hysteresis2Param(i), c.hysteresis2}}, kTest},
      {"Запись типа уставки 2", {{SetpointType2Param(i), c.setpointType2}}, kTest},
      {"Запись усреднения", {{AveragingParam(i), c.averaging}}, kTest},
      {"Запись числа наблюдений", {{ObservationsParam(i), c.observations}}, kTest},
      {"Запись разрешения работы канала", {{ChannelEnableParam(i), c.channelEnable}}, kTest},
      {"Запись числа знаков после запятой", {{DecimalsParam(i), c.decimals}}, kNoTest},
      {"Запись скорости изменения уставки", {{SetpointStepParam(i), c.setpointStep}}, kNoTest},
      {"Запись скорости изменения гистерезиса",
       {{HysteresisStepParam(i), c.hysteresisStep}},
       kNoTest},
      {"Запись корректирующего полинома",
       {{PolynomialParam(i, 0), c.polynomial[0]},
        {PolynomialParam(i, 1), c.polynomial[1]},
        {PolynomialParam(i, 2), c.polynomial[2]},
        {PolynomialParam(i, 3), c.polynomial[3]}},
       kNoTest},
  };
}

}  // namespace

LinkError readChannel(SettingsTransfer& transfer, int channel) {
  Progress& progress = transfer.progress;
  // The index is tested before the channel's switch is looked at, which needs a valid index.
  if (!IsChannel(channel)) return StopSequence(progress, kOperandTooLarge);
  ChannelSettings& settings = transfer.settings.channels[static_cast<std::size_t>(channel)];
  if (settings.selected == 0) return StopSequence(progress, kOk);
  if (progress.CancelRequested()) return StopSequence(progress, kCancelledByOperator);
  const LinkError result = RunSteps(transfer.link, progress, ChannelReadSteps(channel, settings));
  if (result == kOk) progress.clearProgressStep();
  return result;
}

LinkError writeChannel(SettingsTransfer& transfer, int channel) {
  Progress& progress = transfer.progress;
  if (!IsChannel(channel)) return StopSequence(progress, kOperandTooLarge);
  const ChannelSettings& settings = transfer.settings.channels[static_cast<std::size_t>(channel)];
  if (settings.selected == 0) return kOk;
  progress.SetProgressLines({"Ход процесса",
                             "Запись настроек канала " + std::to_string(channel + 1), "", "", "",
                             "Для остановки нажмите ESC"});
  if (progress.CancelRequested()) return StopSequence(progress, kCancelledByOperator);
  const LinkError result = RunSteps(transfer.link, progress, ChannelWriteSteps(channel, settings));
  if (result == kOk) progress.clearProgressStep();
  return result;
}

}  // namespace zorkan
