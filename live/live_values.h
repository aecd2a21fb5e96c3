#pragma once
// The instrument's live data block 2: measured values, measurement statuses, setpoint and break
// flags, relays, keys and encoder.

#include <array>
#include <cstdint>

#include "link/device_link.h"

namespace zorkan {

struct ChannelLiveValues {
  float value = 0.0f;
  std::uint8_t status = 0;  // index into the measurement status texts
  std::uint8_t flags = 0;   // kSetpoint1Reached, kSetpoint2Reached, kSensorBreak
};

struct LiveValues {
  std::uint8_t relays = 0;  // kRelay1On, kRelay2On
  std::uint8_t keys = 0;  // keys "У", "П", "Ш", "0", "Диапазон", then the two encoder bits
  std::array<ChannelLiveValues, 2> channels;
};

constexpr std::uint8_t kRelay1On = 0x01;
constexpr std::uint8_t kRelay2On = 0x02;
constexpr std::uint8_t kSetpoint1Reached = 0x01;
constexpr std::uint8_t kSetpoint2Reached = 0x02;
constexpr std::uint8_t kSensorBreak = 0x04;
constexpr std::uint8_t kStatusNormal = 0;
constexpr std::uint8_t kStatusFloatingPointError = 4;
constexpr std::uint8_t kStatusChannelOff = 12;
constexpr float kNotANumberValue = -444.0f;

// A value that is not a number becomes -444 with the floating-point error status.
LiveValues DecodeLiveBlock(const DataBlock& block);

// Reads block 2; on failure `values` keep their last contents.
LinkError ReadLiveValues(DeviceLink& link, LiveValues& values);

// The display limits: above 10000 shows as 10000, below -1000 as -1000.
void ClampForDisplay(LiveValues& values);

}  // namespace zorkan
