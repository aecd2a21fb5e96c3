#pragma once
// The instrument's own table of its parameters: where each lives, its kind and direction, and its
// factory setting. The memory is filled from it and the plant finds its settings through it.

#include <array>

#include "link/frame.h"

namespace zorkan::sim {

enum class Access { ReadWrite, ReadOnly, WriteOnly };

struct ParameterRow {
  int space;
  unsigned number;       // of channel 1, or of the single parameter
  unsigned channelStep;  // channel 2 is number + step; 0: one parameter for the instrument
  ValueKind kind;
  Access access;
  double channel1;  // factory settings
  double channel2;

  // The number of channel `channel` (0 or 1).
  constexpr unsigned numberOf(int channel) const {
    return number + channelStep * static_cast<unsigned>(channel);
  }
};

// Factory settings of a 740 НР PID regulator heating an object to 150 degrees, with channel 2
// watching the same object as an alarm channel.
class Parameters {
  static constexpr ValueKind B = ValueKind::Byte;
  static constexpr ValueKind F = ValueKind::Float;
  static constexpr Access RW = Access::ReadWrite;
  static constexpr Access RO = Access::ReadOnly;
  static constexpr Access WO = Access::WriteOnly;

 public:
  // clang-format off
  //                                         space number step kind access  ch1    ch2
  static constexpr ParameterRow kOffset           {2,   1,   1, F, RW,    0,     0};
  static constexpr ParameterRow kRangeAdjust      {2,   3,   1, F, RW,    1,     1};
  static constexpr ParameterRow kPolynomial0      {2,   5,   4, F, RW,    0,     0};
  // Channel 1's regulator borrows coefficients 1..3: differentiation time and integration time in
  // seconds, asymmetry coefficient.
  static constexpr ParameterRow kPolynomial1      {2,   6,   4, F, RW,   30,     1};
  static constexpr ParameterRow kPolynomial2      {2,   7,   4, F, RW,  120,     0};
  static constexpr ParameterRow kPolynomial3      {2,   8,   4, F, RW,    1,     0};
  static constexpr ParameterRow kRangeMin         {2,  13,   1, F, RW,  -50,   -50};
  static constexpr ParameterRow kRangeMax         {2,  15,   1, F, RW, 1300,  1300};
  // Setpoints and hysteresis; channel 1's regulator borrows them: regulated value, proportional
  // coefficient, PID zone, minimum pulse time.
  static constexpr ParameterRow kSetpoint1        {2,  29,   4, F, RW,  150,   200};
  static constexpr ParameterRow kSetpoint2        {2,  30,   4, F, RW,   10,   250};
  static constexpr ParameterRow kSetpointStep     {2,  31,   4, F, RW,    1,     1};
  static constexpr ParameterRow kHysteresisStep   {2,  32,   4, F, RW,    1,     1};
  static constexpr ParameterRow kHysteresis1      {2,  37,   4, F, RW,   20,     5};
  static constexpr ParameterRow kHysteresis2      {2,  38,   4, F, RW,  0.5,     5};
  static constexpr ParameterRow kSensorType       {2, 315,   1, B, RW,    9,     9};  // thermocouple K
  static constexpr ParameterRow kAveraging        {2, 317,   1, B, RW,    1,     1};
  static constexpr ParameterRow kObservations     {2, 319,   1, B, RW,    1,     1};
  static constexpr ParameterRow kDecimals         {2, 321,   1, B, RW,    1,     1};
  static constexpr ParameterRow kRootExtraction   {2, 323,   1, B, RW,    0,     0};
  static constexpr ParameterRow kRelayProcessing  {2, 325,   1, B, RW,    1,     1};
  static constexpr ParameterRow kSetpointType1    {2, 327,   4, B, RW,    0,     2};  // 2: rising
  static constexpr ParameterRow kSetpointType2    {2, 328,   4, B, RW,    0,     0};
  // Channel 1's is the PWM period in seconds.
  static constexpr ParameterRow kRegulatorInterval{2, 337,   1, B, RW,    2,    30};
  static constexpr ParameterRow kRegulatorPulse   {2, 339,   1, B, RW,    5,     5};
  static constexpr ParameterRow kChannelEnable    {2, 341,   1, B, RW,    1,     1};
  static constexpr ParameterRow kDeviceKindCode   {2,   0,   0, B, WO,   47,     0};
  static constexpr ParameterRow kDeviceType       {2,   3,   0, B, RW,    3,     0};  // 740 НР
  static constexpr ParameterRow kErrorDisplay     {2,   4,   0, B, RW,    0,     0};
  // Relay r's mask bytes: the channel-1 byte at 6 + 2r, the channel-2 byte after it.
  static constexpr ParameterRow kRelay1Masks      {2,   6,   1, B, RW, 0x10,     0};  // heater
  static constexpr ParameterRow kRelay2Masks      {2,   8,   1, B, RW,    0,  0x01};  // alarm
  static constexpr ParameterRow kSerialLow        {2,  11,   0, B, RW, 0x39,     0};  // 12345
  static constexpr ParameterRow kSerialHigh       {2,  12,   0, B, RW, 0x30,     0};
  static constexpr ParameterRow kQcCode           {2,  14,   0, B, RW,   47,     0};
  static constexpr ParameterRow kManufactureDay   {2,  17,   0, B, RW,    7,     0};
  static constexpr ParameterRow kManufactureMonth {2,  18,   0, B, RW,    3,     0};
  static constexpr ParameterRow kManufactureYear  {2,  19,   0, B, RW,   24,     0};  // minus 2000
  static constexpr ParameterRow kRestart          {1,   0,   0, B, WO,    0,     0};  // write 1
  static constexpr ParameterRow kFirmwareVersion  {1,   6,   0, B, RO, 0x52,     0};  // 1.1.2
  // 0: the regulator sets the PWM; 1 or 2: the manual duty drives relay 1 or 2.
  static constexpr ParameterRow kPwmControlWord   {1,  17,   0, B, RW,    0,     0};
  static constexpr ParameterRow kPwmDuty          {1,  18,   0, B, RW,    0,     0};  // per cent
  // clang-format on

  static constexpr std::array kAll{
      kOffset,        kRangeAdjust,     kPolynomial0,       kPolynomial1,
      kPolynomial2,   kPolynomial3,     kRangeMin,          kRangeMax,
      kSetpoint1,     kSetpoint2,       kSetpointStep,      kHysteresisStep,
      kHysteresis1,   kHysteresis2,     kSensorType,        kAveraging,
      kObservations,  kDecimals,        kRootExtraction,    kRelayProcessing,
      kSetpointType1, kSetpointType2,   kRegulatorInterval, kRegulatorPulse,
      kChannelEnable, kDeviceKindCode,  kDeviceType,        kErrorDisplay,
      kRelay1Masks,   kRelay2Masks,     kSerialLow,         kSerialHigh,
      kQcCode,        kManufactureDay,  kManufactureMonth,  kManufactureYear,
      kRestart,       kFirmwareVersion, kPwmControlWord,    kPwmDuty,
  };
};

}  // namespace zorkan::sim
