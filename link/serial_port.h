#pragma once
// The serial-port seam. The protocol code never knows what carries its bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zorkan {

class SerialPort {
 public:
  virtual ~SerialPort() = default;
  // Opens exclusively at 8N1, raw, without flow control, DTR on and RTS off. Only the open itself
  // can fail; errors of the line setup are ignored. Exclusively means for every program, whatever
  // path it names the device by and whoever runs it.
  virtual bool open(const std::string& path, std::uint32_t baudRate) = 0;
  virtual void close() = 0;
  // Bytes that cannot go out lose the port (see lost()); nothing of them stays queued.
  virtual void write(std::string_view bytes, int timeoutMs) = 0;
  // Up to `maxBytes`; returns once a carriage return has arrived (bytes after it stay for the next
  // read), once `maxBytes` have arrived, or when `timeoutMs` has passed since the call. A port that
  // is not open behaves like a silent line; one that is lost returns at once.
  virtual std::size_t read(char* destination, std::size_t maxBytes, int timeoutMs) = 0;
  // The device has gone since it was opened (an adapter unplugged, the far end of a pty closed):
  // it answers nothing until it is opened again.
  virtual bool lost() const = 0;
  // Drops everything received and not yet read, and anything not yet sent.
  virtual void discardPending() = 0;
};

}  // namespace zorkan
