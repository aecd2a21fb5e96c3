#include "port_client.h"

namespace zorkan::sim::testing {

PortClient::PortClient(SerialPort& port, VirtualClock& clock, std::uint32_t baudRate)
    : port_(port), clock_(clock) {
  port_.open("COM1", baudRate);
}

void PortClient::send(std::string_view bytes) {
  port_.write(bytes, 0);
}

std::string PortClient::readAnswer(std::chrono::milliseconds timeout) {
  return receive(timeout, true);
}

std::string PortClient::readFor(std::chrono::milliseconds duration) {
  return receive(duration, false);
}

std::string PortClient::receive(std::chrono::milliseconds duration, bool toCarriageReturn) {
  const std::chrono::nanoseconds deadline = clock_.elapsed() + duration;
  std::string received;
  while (clock_.elapsed() < deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - clock_.elapsed());
    char buffer[256];
    const std::size_t count = port_.read(buffer, sizeof buffer, static_cast<int>(left.count()));
    received.append(buffer, count);
    // The port stops at a carriage return and keeps what follows for the next read.
    if (toCarriageReturn && count > 0 && buffer[count - 1] == '\r') break;
  }
  return received;
}

}  // namespace zorkan::sim::testing
