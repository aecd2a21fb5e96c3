#pragma once
// Where every instrument parameter lives: space, number and kind. The only place in the program
// where parameter numbers are written down.

#include "link/frame.h"

namespace zorkan {

struct ParameterRef {
  int space;  // 1 or 2
  unsigned number;
  ValueKind kind;  // Byte or Float
  bool operator==(const ParameterRef&) const = default;
};

// Per-channel parameters, channel index 0 (channel 1) or 1 (channel 2).
ParameterRef OffsetParam(int channel);
ParameterRef RangeAdjustParam(int channel);
ParameterRef PolynomialParam(int channel, int coefficient);  // coefficient 0..3
ParameterRef RangeMinParam(int channel);
ParameterRef RangeMaxParam(int channel);
ParameterRef Setpoint1Param(int channel);
ParameterRef Setpoint2Param(int channel);
ParameterRef SetpointStepParam(int channel);
ParameterRef HysteresisStepParam(int channel);
ParameterRef Hysteresis1Param(int channel);
ParameterRef Hysteresis2Param(int channel);
ParameterRef SensorTypeParam(int channel);
ParameterRef AveragingParam(int channel);
ParameterRef ObservationsParam(int channel);
ParameterRef DecimalsParam(int channel);
ParameterRef RootExtractionParam(int channel);
ParameterRef RelayProcessingParam(int channel);
ParameterRef SetpointType1Param(int channel);
ParameterRef SetpointType2Param(int channel);
ParameterRef RegulationIntervalParam(int channel);
ParameterRef PulseIntervalParam(int channel);
ParameterRef ChannelEnableParam(int channel);

// Parameters of the instrument as a whole.
ParameterRef DeviceKindCodeParam();  // written as the constant kDeviceKindCode
ParameterRef DeviceTypeParam();
ParameterRef ErrorDisplayParam();
ParameterRef RelayMaskParam(int relay, int channel);  // relay 0..1, channel 0..1
ParameterRef SerialNumberLowParam();
ParameterRef SerialNumberHighParam();
ParameterRef QcCodeParam();
ParameterRef ManufactureDayParam();
ParameterRef ManufactureMonthParam();
ParameterRef ManufactureYearParam();  // year minus 2000
ParameterRef RestartParam();          // written as kRestartCommand
ParameterRef FirmwareVersionParam();
// Manual control of the regulator's PWM output.
ParameterRef PwmControlWordParam();
ParameterRef PwmDutyParam();

constexpr int kDeviceKindCode = 47;
constexpr int kRestartCommand = 1;

}  // namespace zorkan
