#pragma once
// The tool's end of the in-process instrument, for the simulator tests that run on virtual time:
// the same requests in and answers out as the raw client on the pty, with waits that cost nothing.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "link/serial_port.h"
#include "sim/virtual_clock.h"

namespace zorkan::sim::testing {

class PortClient {
 public:
  // Opens the port at `baudRate`, as the raw client opens the pty.
  PortClient(SerialPort& port, VirtualClock& clock, std::uint32_t baudRate = 9600);

  void send(std::string_view bytes);
  // Bytes up to and including the first CR, or whatever came before the deadline.
  std::string readAnswer(std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));
  // Everything that arrives within `duration`.
  std::string readFor(std::chrono::milliseconds duration);

 private:
  std::string receive(std::chrono::milliseconds duration, bool toCarriageReturn);

  SerialPort& port_;
  VirtualClock& clock_;
};

}  // namespace zorkan::sim::testing
