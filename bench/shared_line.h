#pragma once
// Several simulated instruments on one line, each on a pty of its own: what is written goes to
// every pty, and what any of them answers is read, as on an RS-485 line where only the addressed
// instrument answers.

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "link/qt_serial_port.h"
#include "link/serial_port.h"

namespace zorkan::bench {

class SharedLine final : public SerialPort {
 public:
  explicit SharedLine(std::vector<std::string> devicePaths) : paths_(std::move(devicePaths)) {
    for (std::size_t k = 0; k < paths_.size(); ++k)
      ports_.push_back(std::make_unique<QtSerialPort>());
  }

  // The path is that of the line's first pty; every pty opens.
  bool open(const std::string&, std::uint32_t baudRate) override {
    bool opened = true;
    for (std::size_t k = 0; k < ports_.size(); ++k) {
      opened = ports_[k]->open(paths_[k], baudRate) && opened;
    }
    return opened;
  }
  void close() override {
    for (auto& port : ports_) port->close();
  }
  void write(std::string_view bytes, int timeoutMs) override {
    for (auto& port : ports_) port->write(bytes, timeoutMs);
  }
  // Each pty in turn for a millisecond, until a carriage return or the time-out.
  std::size_t read(char* destination, std::size_t maxBytes, int timeoutMs) override {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::size_t got = 0;
    while (got < maxBytes) {
      for (auto& port : ports_) {
        const std::size_t count = port->read(destination + got, maxBytes - got, kSliceMs);
        got += count;
        if (count > 0 && destination[got - 1] == '\r') return got;
      }
      if (std::chrono::steady_clock::now() >= deadline) break;
    }
    return got;
  }
  // The line is gone once no instrument's end of it is left.
  bool lost() const override {
    return std::all_of(ports_.begin(), ports_.end(), [](const auto& port) { return port->lost(); });
  }
  void discardPending() override {
    for (auto& port : ports_) port->discardPending();
  }

 private:
  static constexpr int kSliceMs = 1;
  std::vector<std::string> paths_;
  std::vector<std::unique_ptr<QtSerialPort>> ports_;
};

}  // namespace zorkan::bench
