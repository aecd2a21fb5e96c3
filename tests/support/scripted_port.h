#pragma once
// A serial port with a scripted instrument behind it, on virtual time: every request goes to a
// responder that schedules answer bytes at chosen delays, so that attempt loops and waits are
// tested against answers no real instrument would give, without sleeping.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "sim/arriving_bytes.h"
#include "sim/virtual_clock.h"

namespace zorkan::testing {

struct ScheduledAnswer {
  std::int64_t delayMs = 0;  // after the request
  std::string bytes;
};

class ScriptedPort final : public SerialPort {
 public:
  using Responder = std::function<std::vector<ScheduledAnswer>(const std::string& request)>;

  ScriptedPort(sim::VirtualClock& clock, Responder responder)
      : clock_(clock), responder_(std::move(responder)) {}

  bool open(const std::string& path, std::uint32_t baudRate) override {
    openedPath = path;
    openedBaudRate = baudRate;
    ++openCount;
    return openSucceeds && present;
  }
  void close() override {}
  void write(std::string_view bytes, int) override {
    if (!present) return;
    requests.emplace_back(bytes);
    for (const ScheduledAnswer& answer : responder_(requests.back())) {
      incoming_.schedule(clock_.elapsed() + std::chrono::milliseconds(answer.delayMs),
                         answer.bytes);
    }
  }
  std::size_t read(char* destination, std::size_t maxBytes, int timeoutMs) override {
    if (!present) return 0;
    return incoming_.read(clock_, destination, maxBytes, timeoutMs);
  }
  void discardPending() override { incoming_.discardArrived(clock_.elapsed()); }
  // An unplugged device: lost while it is away, and it cannot be opened.
  bool lost() const override { return !present; }

  // Bytes arriving at a given virtual time, whatever was asked.
  void schedule(std::int64_t atMs, const std::string& bytes) {
    incoming_.schedule(std::chrono::milliseconds(atMs), bytes);
  }

  std::vector<std::string> requests;
  std::string openedPath;
  std::uint32_t openedBaudRate = 0;
  bool openSucceeds = true;
  bool present = true;
  int openCount = 0;

 private:
  sim::VirtualClock& clock_;
  Responder responder_;
  sim::ArrivingBytes incoming_;
};

}  // namespace zorkan::testing
