#include "settings/device_settings.h"

namespace zorkan {

std::array<SensorBounds, kSensorTypeCount> DefaultSensorBounds() {
  constexpr SensorBounds kCopper{200.0f, -50.0f, 0.25f};
  constexpr SensorBounds kPlatinum{600.0f, -50.0f, 0.25f};
  constexpr SensorBounds kUnified{100.0f, 0.0f, 0.25f};
  return {{
      kCopper,
      kCopper,
      kCopper,
      kCopper,
      kCopper,
      kCopper,
      kPlatinum,
      kPlatinum,
      kPlatinum,
      {1300.0f, -50.0f, 0.5f},  // K
      {600.0f, -50.0f, 0.5f},   // L
      {1700.0f, 0.0f, 0.5f},    // R
      {1700.0f, 0.0f, 0.5f},    // S
      {1800.0f, 300.0f, 0.5f},  // B
      {1100.0f, -50.0f, 0.5f},  // J
      {2500.0f, 0.0f, 0.5f},
      {400.0f, -50.0f, 0.5f},   // T
      kUnified,
      kUnified,
      kUnified,
      kUnified,
      kUnified,
      {300.0f, 0.0f, 0.25f},  // resistance
      kUnified,
      {1300.0f, -50.0f, 0.5f},  // N
  }};
}

std::array<ChannelSettings, kChannelCount> DefaultChannels() {
  std::array<ChannelSettings, kChannelCount> channels;
  for (int channel = 0; channel < kChannelCount; ++channel) {
    channels[static_cast<std::size_t>(channel)].channelText =
        "Канал " + std::to_string(channel + 1);
  }
  return channels;
}

}  // namespace zorkan
