#include "link/answer_wait.h"

#include <algorithm>
#include <array>
#include <optional>
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

// One wait for one answer, timed for the logs.
class Collection {
 public:
  Collection(SerialPort& port, const Clock& clock, std::string& answer, AnswerWait& wait)
      : port_(port), clock_(clock), answer_(answer), wait_(wait) {
    answer_.clear();
    wait_.start = clock_.localTime();
    startMs_ = clock_.monotonicMs();
  }

  std::int64_t elapsedMs() const { return clock_.monotonicMs() - startMs_; }

  // One read of a piece: the result once the answer is complete or given up as garbage, nullopt
  // while it may still come.
  std::optional<LinkError> readPiece(int timeoutMs) {
    std::array<char, kAnswerReadPiece> piece{};
    const std::size_t count = port_.read(piece.data(), piece.size(), timeoutMs);
    // A lost port will not answer, however long it is waited for.
    if (count == 0) return port_.lost() ? std::optional(finish(kNoAnswer)) : std::nullopt;
    const std::string_view received(piece.data(), count);
    answer_ += received;
    if (answer_.size() > kMaxAnswerBytes) return finish(kTooMuchData);
    if (EndsAnswer(received)) return finish(kOk);
    return std::nullopt;
  }

  LinkError finish(LinkError result) {
    wait_.end = clock_.localTime();
    wait_.elapsedMs = elapsedMs();
    return result;
  }

 private:
  SerialPort& port_;
  const Clock& clock_;
  std::string& answer_;
  AnswerWait& wait_;
  std::int64_t startMs_ = 0;
};

}  // namespace

std::int64_t AnswerWaitLimitMs(std::uint32_t replyTimeoutMs) {
  return std::clamp<std::int64_t>(replyTimeoutMs, kMinAnswerWaitMs, kMaxAnswerWaitMs);
}

LinkError ReceiveAnswer(SerialPort& port, const Clock& clock, AnswerWaitLimits limits,
                        std::string& answer, AnswerWait& wait) {
  Collection collection(port, clock, answer, wait);
  const std::int64_t limitMs = AnswerWaitLimitMs(limits.replyTimeoutMs);
  for (;;) {
    if (const auto result = collection.readPiece(limits.readTimeoutMs)) return *result;
    if (collection.elapsedMs() > limitMs) return collection.finish(kNoAnswer);
  }
}

LinkError ReceiveProbeAnswer(SerialPort& port, const Clock& clock, ProbeWaitLimits limits,
                             std::string& answer, AnswerWait& wait) {
  Collection collection(port, clock, answer, wait);
  for (;;) {
    const std::int64_t limitMs = answer.empty() ? limits.firstByteMs : limits.answerMs;
    const std::int64_t leftMs = limitMs - collection.elapsedMs();
    if (leftMs <= 0) return collection.finish(kNoAnswer);
    if (const auto result = collection.readPiece(static_cast<int>(leftMs))) return *result;
  }
}

}  // namespace zorkan
