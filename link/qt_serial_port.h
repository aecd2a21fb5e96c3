#pragma once
// The serial port on QSerialPort in blocking mode: no event loop is needed, the calls wait.

#include <memory>
#include <string>

#include "link/serial_port.h"

class QSerialPort;

namespace zorkan {

class QtSerialPort final : public SerialPort {
 public:
  QtSerialPort();
  ~QtSerialPort() override;

  bool open(const std::string& path, std::uint32_t baudRate) override;
  void close() override;
  void write(std::string_view bytes, int timeoutMs) override;
  std::size_t read(char* destination, std::size_t maxBytes, int timeoutMs) override;
  void discardPending() override;
  bool lost() const override { return lost_; }
  // Why the last open failed, as the system put it ("No such file or directory"); empty after an
  // open that succeeded.
  const std::string& openRefusal() const { return openRefusal_; }

 private:
  void markLost();

  std::unique_ptr<QSerialPort> port_;
  bool lost_ = false;
  std::string openRefusal_;
};

}  // namespace zorkan
