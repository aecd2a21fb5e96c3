#include "sim/parameter_memory.h"

namespace zorkan::sim {

namespace {

constexpr ValueKind B = ValueKind::Byte;
constexpr ValueKind F = ValueKind::Float;
constexpr Access RW = Access::ReadWrite;
constexpr Access RO = Access::ReadOnly;
constexpr Access WO = Access::WriteOnly;

struct ParameterRow {
  int space;
  unsigned number;       // of channel 1, or of the single parameter
  unsigned channelStep;  // channel 2 is number + step; 0: one parameter for the instrument
  ValueKind kind;
  Access access;
  double channel1;  // initial values
  double channel2;
};

// Factory settings of a 740 НР PID regulator heating an object to 150 degrees, with channel 2
// watching the same object as an alarm channel.
// clang-format off
constexpr ParameterRow kParameters[] = {
  // space number step kind access  ch1    ch2
  {2,   1,   1, F, RW,    0,     0},    // offset of the measured value
  {2,   3,   1, F, RW,    1,     1},    // range adjustment
  {2,   5,   4, F, RW,    0,     0},    // polynomial k0
  {2,   6,   4, F, RW,   30,     1},    // polynomial k1; ch1: differentiation time, s
  {2,   7,   4, F, RW,  120,     0},    // polynomial k2; ch1: integration time, s
  {2,   8,   4, F, RW,    1,     0},    // polynomial k3; ch1: asymmetry coefficient
  {2,  13,   1, F, RW,  -50,   -50},    // range minimum
  {2,  15,   1, F, RW, 1300,  1300},    // range maximum
  {2,  29,   4, F, RW,  150,   200},    // setpoint 1; ch1: regulated value
  {2,  30,   4, F, RW,   10,   250},    // setpoint 2; ch1: proportional coefficient
  {2,  31,   4, F, RW,    1,     1},    // setpoint change step
  {2,  32,   4, F, RW,    1,     1},    // hysteresis change step
  {2,  37,   4, F, RW,   20,     5},    // hysteresis 1; ch1: PID zone
  {2,  38,   4, F, RW,  0.5,     5},    // hysteresis 2; ch1: minimum pulse time, s
  {2, 315,   1, B, RW,    9,     9},    // sensor type (thermocouple K)
  {2, 317,   1, B, RW,    1,     1},    // averaging
  {2, 319,   1, B, RW,    1,     1},    // observations before a relay acts
  {2, 321,   1, B, RW,    1,     1},    // digits after the decimal point
  {2, 323,   1, B, RW,    0,     0},    // square-root extraction
  {2, 325,   1, B, RW,    1,     1},    // relay logic processing mode
  {2, 327,   4, B, RW,    0,     2},    // setpoint 1 type (2: rising)
  {2, 328,   4, B, RW,    0,     0},    // setpoint 2 type
  {2, 337,   1, B, RW,    2,    30},    // regulator interval; ch1: PWM period, s
  {2, 339,   1, B, RW,    5,     5},    // regulator pulse setting
  {2, 341,   1, B, RW,    1,     1},    // channel operation enable
  {2,   0,   0, B, WO,   47,     0},    // device kind code
  {2,   3,   0, B, RW,    3,     0},    // device type (740 НР)
  {2,   4,   0, B, RW,    0,     0},    // error display mode
  {2,   6,   0, B, RW, 0x10,     0},    // relay 1 mask, channel-1 byte (heater)
  {2,   7,   0, B, RW,    0,     0},    // relay 1 mask, channel-2 byte
  {2,   8,   0, B, RW,    0,     0},    // relay 2 mask, channel-1 byte
  {2,   9,   0, B, RW, 0x01,     0},    // relay 2 mask, channel-2 byte (alarm setpoint)
  {2,  11,   0, B, RW, 0x39,     0},    // serial number, low byte (12345)
  {2,  12,   0, B, RW, 0x30,     0},    // serial number, high byte
  {2,  14,   0, B, RW,   47,     0},    // quality-control code
  {2,  17,   0, B, RW,    7,     0},    // manufacturing day
  {2,  18,   0, B, RW,    3,     0},    // manufacturing month
  {2,  19,   0, B, RW,   24,     0},    // manufacturing year minus 2000
  {1,   0,   0, B, WO,    0,     0},    // restart command (write 1)
  {1,   6,   0, B, RO, 0x52,     0},    // firmware version 1.1.2
  {1,  17,   0, B, RW,    0,     0},    // PWM control word: 0 PID, 1/2 manual on relay 1/2
  {1,  18,   0, B, RW,    0,     0},    // manual PWM duty, %
};
// clang-format on

std::uint32_t Bits(ValueKind kind, double value) {
  return kind == ValueKind::Float ? FloatToBits(static_cast<float>(value))
                                  : static_cast<std::uint32_t>(value);
}

}  // namespace

ParameterMemory::ParameterMemory() {
  for (const ParameterRow& row : kParameters) {
    cells_[{row.space, row.kind, row.number}] = {row.access, Bits(row.kind, row.channel1)};
    if (row.channelStep != 0) {
      cells_[{row.space, row.kind, row.number + row.channelStep}] = {row.access,
                                                                     Bits(row.kind, row.channel2)};
    }
  }
}

ParameterCell* ParameterMemory::find(const ParameterKey& key) {
  const auto found = cells_.find(key);
  return found == cells_.end() ? nullptr : &found->second;
}

const ParameterCell* ParameterMemory::find(const ParameterKey& key) const {
  const auto found = cells_.find(key);
  return found == cells_.end() ? nullptr : &found->second;
}

std::optional<std::uint8_t> ParameterMemory::byteValue(int space, unsigned number) const {
  const ParameterCell* cell = find({space, ValueKind::Byte, number});
  if (cell == nullptr) return std::nullopt;
  return static_cast<std::uint8_t>(cell->bits);
}

std::optional<float> ParameterMemory::floatValue(int space, unsigned number) const {
  const ParameterCell* cell = find({space, ValueKind::Float, number});
  if (cell == nullptr) return std::nullopt;
  return FloatFromBits(cell->bits);
}

void ParameterMemory::setByte(int space, unsigned number, std::uint8_t value) {
  if (ParameterCell* cell = find({space, ValueKind::Byte, number})) cell->bits = value;
}

void ParameterMemory::setFloat(int space, unsigned number, float value) {
  if (ParameterCell* cell = find({space, ValueKind::Float, number}))
    cell->bits = FloatToBits(value);
}

}  // namespace zorkan::sim
