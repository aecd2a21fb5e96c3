#pragma once
// The bare serial client the simulator tests talk through, and the frames they send and expect.

#include <chrono>
#include <string>
#include <string_view>

#include "link/frame.h"

namespace zorkan::sim::testing {

class RawClient {
 public:
  explicit RawClient(const std::string& path);
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

// Complete request frames as the tool sends them (preamble, text, checksum, CR).
std::string ReadFrame(ValueKind kind, int space, unsigned number, unsigned networkAddress = 1);
std::string ByteWriteFrame(int space, unsigned number, std::uint8_t value);
std::string FloatWriteFrame(int space, unsigned number, float value);

// Answers as the instrument must send them; `covered` is the text the checksum covers.
std::string ExpectedData(std::string_view covered);
std::string ExpectedStatus(std::string_view digits);

}  // namespace zorkan::sim::testing
