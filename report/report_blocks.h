#pragma once
// The pieces the report's device bodies are made of: line building and the blocks that several
// device types print alike.

#include <cstdint>
#include <string>
#include <vector>

#include "settings/device_settings.h"

namespace zorkan {

using ReportLines = std::vector<std::string>;

// Joins the pieces into one line (appending, not operator+, which GCC 12 misreads in Release).
template <typename... Pieces>
std::string ReportLine(const Pieces&... pieces) {
  std::string line;
  (line.append(pieces), ...);
  return line;
}

// The setpoint-type list text, or a placeholder naming the code when the list has no such entry.
std::string SetpointTypeText(std::int32_t code);

// Sensor, range, basic error, root extraction, averaging and decimals of one channel.
void AppendInputBlock(ReportLines& lines, const DeviceSettings& settings, int channelIndex);

// Relay logic of the instruments that switch on setpoints, sensor breaks and valve drives.
void AppendSetpointRelayLogic(ReportLines& lines, const RelayLogic& relays);
// Relay logic of the PID heater regulator.
void AppendHeaterRelayLogic(ReportLines& lines, const RelayLogic& relays);

// Offset and range adjustment.
void AppendCorrection(ReportLines& lines, const ChannelSettings& channel);
// The four correction polynomial coefficients on one line, under their heading.
void AppendPolynomial(ReportLines& lines, const ChannelSettings& channel);

}  // namespace zorkan
