#pragma once
// The bare serial client the simulator's pty tests talk through.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace zorkan::sim::testing {

class RawClient {
 public:
  // Opens the pty raw at `baudRate`: the simulator understands only its own line speed.
  explicit RawClient(const std::string& path, std::uint32_t baudRate = 9600);
  ~RawClient();
  RawClient(const RawClient&) = delete;
  RawClient& operator=(const RawClient&) = delete;

  void send(std::string_view bytes);
  // Bytes up to and including the first CR, or whatever came before the deadline.
  std::string readAnswer(std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));
  // Everything that arrives within `duration`.
  std::string readFor(std::chrono::milliseconds duration);

 private:
  // Waits for more bytes; false once the deadline has passed.
  bool receive(std::chrono::steady_clock::time_point deadline);

  std::string leftover_;
  int fd_ = -1;
};

}  // namespace zorkan::sim::testing
