#include "settings/parameter_map.h"

namespace zorkan {

namespace {

constexpr ValueKind kByte = ValueKind::Byte;
constexpr ValueKind kFloat = ValueKind::Float;

// A per-channel parameter: channel 2's number is the first channel's plus the stride (1: the two
// channels' parameters are neighbours; 4: each channel owns a block of four for its setpoints).
struct ChannelRow {
  int space;
  unsigned firstNumber;
  unsigned stride;
  ValueKind kind;

  ParameterRef at(int channel, unsigned offset = 0) const {
    return {space, firstNumber + stride * static_cast<unsigned>(channel) + offset, kind};
  }
};

constexpr ChannelRow kOffset{2, 1, 1, kFloat};
constexpr ChannelRow kRangeAdjust{2, 3, 1, kFloat};
constexpr ChannelRow kPolynomial{2, 5, 4, kFloat};
constexpr ChannelRow kRangeMin{2, 13, 1, kFloat};
constexpr ChannelRow kRangeMax{2, 15, 1, kFloat};
constexpr ChannelRow kSetpoint1{2, 29, 4, kFloat};
constexpr ChannelRow kSetpoint2{2, 30, 4, kFloat};
constexpr ChannelRow kSetpointStep{2, 31, 4, kFloat};
constexpr ChannelRow kHysteresisStep{2, 32, 4, kFloat};
constexpr ChannelRow kHysteresis1{2, 37, 4, kFloat};
constexpr ChannelRow kHysteresis2{2, 38, 4, kFloat};
constexpr ChannelRow kSensorType{2, 315, 1, kByte};
constexpr ChannelRow kAveraging{2, 317, 1, kByte};
constexpr ChannelRow kObservations{2, 319, 1, kByte};
constexpr ChannelRow kDecimals{2, 321, 1, kByte};
constexpr ChannelRow kRootExtraction{2, 323, 1, kByte};
constexpr ChannelRow kRelayProcessing{2, 325, 1, kByte};
constexpr ChannelRow kSetpointType1{2, 327, 4, kByte};
constexpr ChannelRow kSetpointType2{2, 328, 4, kByte};
constexpr ChannelRow kRegulationInterval{2, 337, 1, kByte};
constexpr ChannelRow kPulseInterval{2, 339, 1, kByte};
constexpr ChannelRow kChannelEnable{2, 341, 1, kByte};
// Relay r's mask bytes: channel 1's at 6 + 2r, channel 2's right after it.
constexpr ChannelRow kRelayMasks{2, 6, 1, kByte};
constexpr unsigned kRelayMaskStride = 2;

constexpr ParameterRef kDeviceKindCodeRef{2, 0, kByte};
constexpr ParameterRef kDeviceTypeRef{2, 3, kByte};
constexpr ParameterRef kErrorDisplayRef{2, 4, kByte};
constexpr ParameterRef kSerialNumberLowRef{2, 11, kByte};
constexpr ParameterRef kSerialNumberHighRef{2, 12, kByte};
constexpr ParameterRef kQcCodeRef{2, 14, kByte};
constexpr ParameterRef kManufactureDayRef{2, 17, kByte};
constexpr ParameterRef kManufactureMonthRef{2, 18, kByte};
constexpr ParameterRef kManufactureYearRef{2, 19, kByte};
constexpr ParameterRef kRestartRef{1, 0, kByte};
constexpr ParameterRef kFirmwareVersionRef{1, 6, kByte};
constexpr ParameterRef kPwmControlWordRef{1, 17, kByte};
constexpr ParameterRef kPwmDutyRef{1, 18, kByte};

}  // namespace

ParameterRef OffsetParam(int channel) {
  return kOffset.at(channel);
}
ParameterRef RangeAdjustParam(int channel) {
  return kRangeAdjust.at(channel);
}
ParameterRef PolynomialParam(int channel, int coefficient) {
  return kPolynomial.at(channel, static_cast<unsigned>(coefficient));
}
ParameterRef RangeMinParam(int channel) {
  return kRangeMin.at(channel);
}
ParameterRef RangeMaxParam(int channel) {
  return kRangeMax.at(channel);
}
ParameterRef Setpoint1Param(int channel) {
  return kSetpoint1.at(channel);
}
ParameterRef Setpoint2Param(int channel) {
  return kSetpoint2.at(channel);
}
ParameterRef SetpointStepParam(int channel) {
  return kSetpointStep.at(channel);
}
ParameterRef HysteresisStepParam(int channel) {
  return kHysteresisStep.at(channel);
}
ParameterRef Hysteresis1Param(int channel) {
  return kHysteresis1.at(channel);
}
ParameterRef Hysteresis2Param(int channel) {
  return kHysteresis2.at(channel);
}
ParameterRef SensorTypeParam(int channel) {
  return kSensorType.at(channel);
}
ParameterRef AveragingParam(int channel) {
  return kAveraging.at(channel);
}
ParameterRef ObservationsParam(int channel) {
  return kObservations.at(channel);
}
ParameterRef DecimalsParam(int channel) {
  return kDecimals.at(channel);
}
ParameterRef RootExtractionParam(int channel) {
  return kRootExtraction.at(channel);
}
ParameterRef RelayProcessingParam(int channel) {
  return kRelayProcessing.at(channel);
}
ParameterRef SetpointType1Param(int channel) {
  return kSetpointType1.at(channel);
}
ParameterRef SetpointType2Param(int channel) {
  return kSetpointType2.at(channel);
}
ParameterRef RegulationIntervalParam(int channel) {
  return kRegulationInterval.at(channel);
}
ParameterRef PulseIntervalParam(int channel) {
  return kPulseInterval.at(channel);
}
ParameterRef ChannelEnableParam(int channel) {
  return kChannelEnable.at(channel);
}

ParameterRef DeviceKindCodeParam() {
  return kDeviceKindCodeRef;
}
ParameterRef DeviceTypeParam() {
  return kDeviceTypeRef;
}
ParameterRef ErrorDisplayParam() {
  return kErrorDisplayRef;
}
ParameterRef RelayMaskParam(int relay, int channel) {
  return kRelayMasks.at(channel, kRelayMaskStride * static_cast<unsigned>(relay));
}
ParameterRef SerialNumberLowParam() {
  return kSerialNumberLowRef;
}
ParameterRef SerialNumberHighParam() {
  return kSerialNumberHighRef;
}
ParameterRef QcCodeParam() {
  return kQcCodeRef;
}
ParameterRef ManufactureDayParam() {
  return kManufactureDayRef;
}
ParameterRef ManufactureMonthParam() {
  return kManufactureMonthRef;
}
ParameterRef ManufactureYearParam() {
  return kManufactureYearRef;
}
ParameterRef RestartParam() {
  return kRestartRef;
}
ParameterRef FirmwareVersionParam() {
  return kFirmwareVersionRef;
}
ParameterRef PwmControlWordParam() {
  return kPwmControlWordRef;
}
ParameterRef PwmDutyParam() {
  return kPwmDutyRef;
}

}  // namespace zorkan
