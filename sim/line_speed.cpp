#include "sim/line_speed.h"

#include <array>
#include <utility>

namespace zorkan::sim {

namespace {

constexpr std::array<std::pair<speed_t, std::uint32_t>, 18> kLineSpeeds{{
    {B50, 50},
    {B75, 75},
    {B110, 110},
    {B134, 134},
    {B150, 150},
    {B200, 200},
    {B300, 300},
    {B600, 600},
    {B1200, 1200},
    {B1800, 1800},
    {B2400, 2400},
    {B4800, 4800},
    {B9600, 9600},
    {B19200, 19200},
    {B38400, 38400},
    {B57600, 57600},
    {B115200, 115200},
    {B230400, 230400},
}};

// Every character comes with a framing error, which a receiver hands on as a NUL byte: never the
// start of a frame, nor its end.
constexpr char kFramingError = '\0';

}  // namespace

std::string AsHeard(std::string_view sent, std::uint32_t instrumentBaud, std::uint32_t toolBaud) {
  if (instrumentBaud == 0 || instrumentBaud == toolBaud) return std::string(sent);
  return std::string(sent.size(), kFramingError);
}

std::uint32_t BaudRateOf(speed_t speed) {
  for (const auto& [termiosSpeed, baudRate] : kLineSpeeds) {
    if (termiosSpeed == speed) return baudRate;
  }
  return 0;
}

speed_t TermiosSpeedOf(std::uint32_t baudRate) {
  for (const auto& [termiosSpeed, rate] : kLineSpeeds) {
    if (rate == baudRate) return termiosSpeed;
  }
  return B0;
}

}  // namespace zorkan::sim
