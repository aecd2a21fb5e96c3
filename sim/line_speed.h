#pragma once
// What the instrument makes of the tool's bytes: at its own line speed it hears them as they were
// sent; at another its receiver samples the bits at the wrong times and hears nothing it can take
// for a request, so it stays silent, as an instrument on a mismatched line does.

#include <termios.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace zorkan::sim {

// `instrumentBaud` 0 is an unpaced line, which carries every speed; `toolBaud` 0 a speed that is
// none of the line speeds.
std::string AsHeard(std::string_view sent, std::uint32_t instrumentBaud, std::uint32_t toolBaud);

// The baud rate a termios speed stands for; 0 for none (B0 hangs the line up).
std::uint32_t BaudRateOf(speed_t speed);
// The termios speed of a baud rate; B0 for a rate no serial line runs at.
speed_t TermiosSpeedOf(std::uint32_t baudRate);

}  // namespace zorkan::sim
