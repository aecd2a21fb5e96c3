#pragma once
// The serial port on QSerialPort in blocking mode: no event loop is needed, the calls wait.

#include <memory>

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

 private:
  void markLost();

  std::unique_ptr<QSerialPort> port_;
  bool lost_ = false;
};

}  // namespace zorkan
