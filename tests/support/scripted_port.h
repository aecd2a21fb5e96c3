#pragma once
// A serial port with an in-process instrument behind it, on a fake clock: every request goes to a
// responder that schedules answer bytes at chosen delays. Reads take fake time exactly as the real
// port takes real time, so attempt loops and waits are tested without sleeping.

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "tests/support/fake_clock.h"

namespace zorkan::testing {

struct ScheduledAnswer {
  std::int64_t delayMs = 0;  // after the request
  std::string bytes;
};

class ScriptedPort final : public SerialPort {
 public:
  using Responder = std::function<std::vector<ScheduledAnswer>(const std::string& request)>;

  ScriptedPort(FakeClock& clock, Responder responder)
      : clock_(clock), responder_(std::move(responder)) {}

  bool open(const std::string& path, std::uint32_t baudRate) override {
    openedPath = path;
    openedBaudRate = baudRate;
    return openSucceeds;
  }
  void close() override { ++closeCount; }
  void write(std::string_view bytes, int) override {
    requests.emplace_back(bytes);
    for (ScheduledAnswer& answer : responder_(requests.back())) {
      schedule(clock_.monotonicMs() + answer.delayMs, answer.bytes);
    }
  }
  std::size_t read(char* destination, std::size_t maxBytes, int timeoutMs) override {
    const std::int64_t deadline = clock_.monotonicMs() + timeoutMs;
    std::size_t received = 0;
    while (received < maxBytes) {
      if (!incoming_.empty() && incoming_.front().atMs <= clock_.monotonicMs()) {
        const char byte = incoming_.front().byte;
        incoming_.pop_front();
        destination[received++] = byte;
        if (byte == '\r') break;
        continue;
      }
      if (incoming_.empty() || incoming_.front().atMs > deadline) {
        clock_.advance(deadline - clock_.monotonicMs());
        break;
      }
      clock_.advance(incoming_.front().atMs - clock_.monotonicMs());
    }
    return received;
  }
  void discardPending() override {
    ++discardCount;
    while (!incoming_.empty() && incoming_.front().atMs <= clock_.monotonicMs()) {
      incoming_.pop_front();
    }
  }

  // Bytes arriving at a given fake time, whatever was asked.
  void schedule(std::int64_t atMs, const std::string& bytes) {
    auto position = std::upper_bound(
        incoming_.begin(), incoming_.end(), atMs,
        [](std::int64_t time, const Arrival& arrival) { return time < arrival.atMs; });
    for (const char byte : bytes) position = std::next(incoming_.insert(position, {atMs, byte}));
  }

  std::vector<std::string> requests;
  std::string openedPath;
  std::uint32_t openedBaudRate = 0;
  bool openSucceeds = true;
  int closeCount = 0;
  int discardCount = 0;

 private:
  struct Arrival {
    std::int64_t atMs;
    char byte;
  };

  FakeClock& clock_;
  Responder responder_;
  std::deque<Arrival> incoming_;  // in order of arrival
};

}  // namespace zorkan::testing
