#include "operator/operator_text.h"
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
      {OPERATOR_TEXT("Чтение типа датчика"), {{SensorTypeParam(i), &c.sensorType}}, kTest},
      {OPERATOR_TEXT("Чтение максимума диапазона"), {{RangeMaxParam(i), &c.rangeMax}}, kTest},
      {OPERATOR_TEXT("Чтение минимума диапазона"), {{RangeMinParam(i), &c.rangeMin}}, kTest},
      {OPERATOR_TEXT("Чтение разрешения извлечения корня"),
       {{RootExtractionParam(i), &c.rootExtraction}},
       kTest},
      {OPERATOR_TEXT("Подстройка диапазона"), {{RangeAdjustParam(i), &c.rangeAdjust}}, kTest},
      {OPERATOR_TEXT("Чтение смещения"), {{OffsetParam(i), &c.offset}}, kTest},
      {OPERATOR_TEXT("Чтение уставки 1"), {{Setpoint1Param(i), &c.setpoint1}}, kTest},
      {OPERATOR_TEXT("Чтение гистерезиса 1"), {{Hysteresis1Param(i), &c.hysteresis1}}, kTest},
      {OPERATOR_TEXT("Чтение типа уставки 1"), {{SetpointType1Param(i), &c.setpointType1}}, kTest},
      {OPERATOR_TEXT("Чтение уставки 2"), {{Setpoint2Param(i), &c.setpoint2}}, kTest},
      {OPERATOR_TEXT("Чтение гистерезиса уставки 2"),
       {{Hysteresis2Param(i), &c.hysteresis2}},
       kTest},
      {OPERATOR_TEXT("Чтение типа уставки 2"), {{SetpointType2Param(i), &c.setpointType2}}, kTest},
      {OPERATOR_TEXT("Чтение усреднения"), {{AveragingParam(i), &c.averaging}}, kTest},
      {OPERATOR_TEXT("Чтение числа наблюдений"), {{ObservationsParam(i), &c.observations}}, kTest},
      {OPERATOR_TEXT("Чтение исключения канала"),
       {{ChannelEnableParam(i), &c.channelEnable}},
       kTest},
      {OPERATOR_TEXT("Чтение числа знаков после запятой"),
       {{DecimalsParam(i), &c.decimals}},
       kNoTest},
      {OPERATOR_TEXT("Чтение скорости изменения уставки"),
       {{SetpointStepParam(i), &c.setpointStep}},
       kNoTest},
      {OPERATOR_TEXT("Чтение скорости изменения гистерезиса"),
       {{HysteresisStepParam(i), &c.hysteresisStep}},
       kNoTest},
      {OPERATOR_TEXT("Чтение корректирующего полинома"),
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
      {OPERATOR_TEXT("Запись типа датчика"), {{SensorTypeParam(i), c.sensorType}}, kTest},
      {OPERATOR_TEXT("Запись максимума диапазона"), {{RangeMaxParam(i), c.rangeMax}}, kTest},
      {OPERATOR_TEXT("Запись минимума диапазона"), {{RangeMinParam(i), c.rangeMin}}, kTest},
      {OPERATOR_TEXT("Запись разрешения извлечения корня"),
       {{RootExtractionParam(i), c.rootExtraction}},
       kTest},
      {OPERATOR_TEXT("Подстройка диапазона"), {{RangeAdjustParam(i), c.rangeAdjust}}, kNoTest},
      {OPERATOR_TEXT("Запись смещения"), {{OffsetParam(i), c.offset}}, kTest},
      {OPERATOR_TEXT("Подготовка к смене уставки 1"),
       {{SetpointType1Param(i), kSetpointOff}},
       kNoTest},
      {OPERATOR_TEXT("Запись уставки 1"), {{Setpoint1Param(i), c.setpoint1}}, kTest},
      {OPERATOR_TEXT("Запись гистерезиса уставки 1"),
       {{Hysteresis1Param(i), c.hysteresis1}},
       kTest},
      {OPERATOR_TEXT("Запись типа уставки 1"), {{SetpointType1Param(i), c.setpointType1}}, kTest},
      {OPERATOR_TEXT("Подготовка к изменению типа уставки 2"),
       {{SetpointType2Param(i), kSetpointOff}},
       kTest},
      {OPERATOR_TEXT("Запись уставки 2"), {{Setpoint2Param(i), c.setpoint2}}, kTest},
      {OPERATOR_TEXT("Запись гистерезиса уставки 2"),
       {{Hysteresis2Param(i), c.hysteresis2}},
       kTest},
      {OPERATOR_TEXT("Запись типа уставки 2"), {{SetpointType2Param(i), c.setpointType2}}, kTest},
      {OPERATOR_TEXT("Запись усреднения"), {{AveragingParam(i), c.averaging}}, kTest},
      {OPERATOR_TEXT("Запись числа наблюдений"), {{ObservationsParam(i), c.observations}}, kTest},
      {OPERATOR_TEXT("Запись разрешения работы канала"),
       {{ChannelEnableParam(i), c.channelEnable}},
       kTest},
      {OPERATOR_TEXT("Запись числа знаков после запятой"),
       {{DecimalsParam(i), c.decimals}},
       kNoTest},
      {OPERATOR_TEXT("Запись скорости изменения уставки"),
       {{SetpointStepParam(i), c.setpointStep}},
       kNoTest},
      {OPERATOR_TEXT("Запись скорости изменения гистерезиса"),
       {{HysteresisStepParam(i), c.hysteresisStep}},
       kNoTest},
      {OPERATOR_TEXT("Запись корректирующего полинома"),
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
  progress.SetProgressLines({OPERATOR_TEXT("Ход процесса"),
                             FillText(OPERATOR_TEXT("Запись настроек канала %1"), channel + 1), "",
                             "", "", OPERATOR_TEXT("Для остановки нажмите ESC")});
  if (progress.CancelRequested()) return StopSequence(progress, kCancelledByOperator);
  const LinkError result = RunSteps(transfer.link, progress, ChannelWriteSteps(channel, settings));
  if (result == kOk) progress.clearProgressStep();
  return result;
}

}  // namespace zorkan
