#pragma once
// Collecting one answer from the port.

#include <cstdint>
#include <string>

#include "link/clock.h"
#include "link/link_error.h"
#include "link/serial_port.h"

namespace zorkan {

// Past this many bytes without a carriage return the answer is given up as garbage.
constexpr std::size_t kMaxAnswerBytes = 256;
// Answers are read in pieces of this size.
constexpr std::size_t kAnswerReadPiece = 32;
// The reply time-out of the link settings is never taken below this, nor above the longest: no
// instrument needs more than a few seconds even at 4800 baud, and a longer wait would only leave
// the window deaf to the operator, a close request included.
constexpr std::int64_t kMinAnswerWaitMs = 1000;
constexpr std::int64_t kMaxAnswerWaitMs = 10'000;

// Start and end of the last wait, for the exchange and measurement logs.
struct AnswerWait {
  LocalTime start;
  LocalTime end;
  std::int64_t elapsedMs = 0;
};

struct AnswerWaitLimits {
  int readTimeoutMs;             // one read of kAnswerReadPiece bytes
  std::uint32_t replyTimeoutMs;  // from the link settings
};

// How long one answer is waited for: the reply time-out within kMinAnswerWaitMs..kMaxAnswerWaitMs.
std::int64_t AnswerWaitLimitMs(std::uint32_t replyTimeoutMs);

// kOk when a carriage return arrived, kTooMuchData past kMaxAnswerBytes, kNoAnswer when the wait
// limit ran out or the port was lost. `answer` gets every byte read. The limit is tested after
// every read, so the wait can exceed it by one read time-out.
LinkError ReceiveAnswer(SerialPort& port, const Clock& clock, AnswerWaitLimits limits,
                        std::string& answer, AnswerWait& wait);

// How long a probe listens, counted from its request: for the first byte of an answer, and for
// the carriage return that ends it.
struct ProbeWaitLimits {
  std::int64_t firstByteMs;
  std::int64_t answerMs;
};

// The wait of a probe: as ReceiveAnswer, but given up as silent once nothing has come within
// `firstByteMs`, and for at most `answerMs` however short, each read taking no longer than what is
// left of them.
LinkError ReceiveProbeAnswer(SerialPort& port, const Clock& clock, ProbeWaitLimits limits,
                             std::string& answer, AnswerWait& wait);

}  // namespace zorkan
