#include "link/answer_wait.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zorkan {

namespace {

// A NUL byte ends the answer text, so a carriage return after it does not complete the answer.
bool EndsAnswer(std::string_view piece) {
  for (const char byte : piece) {
    if (byte == '\0') return false;
    if (byte == '\r') return true;
  }
  return false;
}

}  // namespace

std::int64_t AnswerWaitLimitMs(std::uint32_t replyTimeoutMs) {
  return std::max<std::int64_t>(replyTimeoutMs, kMinAnswerWaitMs);
}

LinkError ReceiveAnswer(SerialPort& port, const Clock& clock, AnswerWaitLimits limits,
                        std::string& answer, AnswerWait& wait) {
  answer.clear();
  wait.start = clock.localTime();
  const std::int64_t startMs = clock.monotonicMs();
  const std::int64_t limitMs = AnswerWaitLimitMs(limits.replyTimeoutMs);
  const auto finish = [&](LinkError result) {
    wait.end = clock.localTime();
    wait.elapsedMs = clock.monotonicMs() - startMs;
    return result;
  };
  std::array<char, kAnswerReadPiece> piece{};
  for (;;) {
    const std::size_t count = port.read(piece.data(), piece.size(), limits.readTimeoutMs);
    if (count > 0) {
      const std::string_view received(piece.data(), count);
      answer += received;
      if (answer.size() > kMaxAnswerBytes) return finish(kTooMuchData);
      if (EndsAnswer(received)) return finish(kOk);
    }
    if (clock.monotonicMs() - startMs > limitMs) return finish(kNoAnswer);
  }
}

}  // namespace zorkan
