#pragma once
// The unit a channel's measured values are in, as the history chart and the CSV log name it.

#include <string>

#include "settings/device_settings.h"

namespace zorkan {

// Thermometers and thermocouples measure in degrees Celsius, the resistance input in ohms. A
// unified signal (current, voltage) is scaled to the channel's range, whose unit only the profile
// names: its unit text, or "ед." where it names none.
std::string SensorUnitText(const ChannelSettings& channel);

}  // namespace zorkan
