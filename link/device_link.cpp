#include "link/device_link.h"

#include <algorithm>
#include <cmath>

#include "link/answer_parser.h"
#include "link/frame.h"
#include "link/link_settings.h"
#include "link/port_path.h"

namespace zorkan {

namespace {

constexpr std::uint32_t kDefaultBaudRate = 9600;
// A probe's answer may take as long to end as a read of this many characters may take (99 ms at
// 9600 baud): its request and a short answer need a few character times on the line, and an
// instrument that is there answers at once.
constexpr std::size_t kProbeWaitCharacters = 10;
// The fast rates' few milliseconds are no time for an instrument to turn round, nor for the
// system to schedule the reads.
constexpr int kMinProbeWaitMs = 60;
// A silent address must cost little, since a search probes each of up to 32 twice at each baud
// rate: the answer must have begun once the request has crossed the line and this long has
// passed, for the instrument's turnaround and the scheduling of the reads (some 50 ms in all at
// 9600 baud).
constexpr std::int64_t kProbeTurnaroundMs = 25;

bool IsSpace(int space) {
  return space == 1 || space == 2;
}

std::string ProbeFrame(std::uint32_t networkAddress, int space, unsigned number) {
  return CompleteFrame(
      ReadRequestText(networkAddress, MakeParamAddress(ValueKind::Byte, space, number)));
}

}  // namespace

DeviceLink::DeviceLink(SerialPort& port, const Clock& clock, std::filesystem::path workDir)
    : port_(port),
      clock_(clock),
      workDir_(std::move(workDir)),
      timing_(*PortTimingFor(kDefaultBaudRate)) {}

PortOpening DeviceLink::OpenPort(const LinkSettings& settings) {
  if (!IsPortNumber(settings.portNumber)) return PortOpening::NoPortNumber;
  return openPortAt(PortPath(settings.portNumber, workDir_).string(), settings.baudRate)
             ? PortOpening::Opened
             : PortOpening::Refused;
}

bool DeviceLink::openPortAt(const std::string& path, std::uint32_t baudRate) {
  portPath_ = path;
  const std::optional<PortTiming> timing = PortTimingFor(baudRate);
  if (timing) timing_ = *timing;
  if (!timing || !port_.open(path, baudRate)) return false;
  // Bytes that arrived before the port was (re)opened belong to nobody.
  port_.discardPending();
  open_ = true;
  lost_ = false;
  owedAnswers_ = 0;
  return true;
}

void DeviceLink::ClosePort() {
  settleOwedAnswers();
  port_.close();
  open_ = false;
  lost_ = false;
}

bool DeviceLink::recoverLostPort() {
  if (!lost_) return true;
  if (!port_.open(portPath_, timing_.baudRate)) return false;
  port_.discardPending();
  open_ = true;
  lost_ = false;
  return true;
}

// Nothing is owed on a line that has gone: its answers can never come.
void DeviceLink::dropLostPort() {
  port_.close();
  open_ = false;
  lost_ = true;
  owedAnswers_ = 0;
}

PortOpening DeviceLink::ReopenPort(const LinkSettings& settings) {
  ClosePort();
  return OpenPort(settings);
}

bool DeviceLink::reopenAt(std::uint32_t baudRate) {
  ClosePort();
  return openPortAt(portPath_, baudRate);
}

void DeviceLink::setParameters(LinkParameters parameters) {
  parameters_ = std::move(parameters);
  if (parameters_.attemptCount < 1) parameters_.attemptCount = 1;
  log_ = ExchangeLog(parameters_.exchangeLogPath);
}

LinkError DeviceLink::transact(const std::string& requestText, const AnswerTest& test) {
  bool answered = false;
  const LinkError result = attempts(requestText, test, answered);
  noteActivity(answered);
  return result;
}

void DeviceLink::noteActivity(bool answered) {
  const LinkTarget now = target();
  if (!activity_ || activity_->target != now) activity_ = LinkActivity{now};
  activity_->answered = answered;
  if (answered) activity_->lastAnswerMs = clock_.monotonicMs();
}

LinkError DeviceLink::attempts(const std::string& requestText, const AnswerTest& test,
                               bool& answered) {
  const std::string frame = CompleteFrame(requestText);
  const AnswerWaitLimits limits{timing_.transferTimeoutMs(kAnswerReadPiece),
                                parameters_.replyTimeoutMs};
  // An answer that came after an earlier transaction gave up on it would otherwise be taken as
  // this parameter's value. Between the attempts of one transaction the queue is kept: a late
  // answer to the previous attempt of the same request is still the right answer.
  if (!recoverLostPort()) return kNoAnswer;
  settleOwedAnswers();
  port_.discardPending();
  LinkError result = kNoAnswer;
  for (int repetition = 0; repetition < parameters_.attemptCount && !lost_; ++repetition) {
    if (open_) ++owedAnswers_;
    if (repetition == 0) ++counts_.transactions;
    ++counts_.attempts;
    result =
        attempt(frame, [&] { return ReceiveAnswer(port_, clock_, limits, answer_, lastWait_); });
    // Whichever request it answers, one answer less is owed.
    if (result == kOk && owedAnswers_ > 0) --owedAnswers_;
    if (result != kOk) {
      ++(result == kNoAnswer ? counts_.unanswered : counts_.garbled);
      continue;
    }
    answered = true;
    result = test(AnswerText(answer_));
    if (result == kOk) return kOk;
    if (CheckStatusAnswer(AnswerText(answer_)) == kOk) ++counts_.garbled;
  }
  return result;
}

LinkError DeviceLink::attempt(const std::string& frame, const AnswerReceiver& receive) {
  port_.write(frame, timing_.transferTimeoutMs(frame.size()));
  lastRequestMs_ = clock_.monotonicMs();
  // A port lost by the write or during the wait ends the wait at once.
  const LinkError result = receive();
  log_.append(frame, AnswerText(answer_), lastWait_);
  if (open_ && port_.lost()) dropLostPort();
  return result;
}

// An attempt that ended without its answer (silence, or too much data before a carriage return)
// leaves the instrument owing one. It may still come after the next request has gone out and would
// pass for that request's answer, since answers carry no parameter number. So before the next
// request the line is given time for owed answers to arrive, and they are dropped: up to two wait
// limits and one read after the last request went out (its own attempt has waited one of them
// already). The instrument answers one request after the other, so an owed answer that does come
// late gives the next one as long again from its arrival. A link that owes nothing loses no time
// here.
void DeviceLink::settleOwedAnswers() {
  if (owedAnswers_ == 0) return;
  const int readTimeoutMs = timing_.transferTimeoutMs(kAnswerReadPiece);
  const std::int64_t allowanceMs =
      2 * AnswerWaitLimitMs(parameters_.replyTimeoutMs) + readTimeoutMs;
  std::int64_t deadline = lastRequestMs_ + allowanceMs;
  std::array<char, kAnswerReadPiece> piece{};
  while (owedAnswers_ > 0 && clock_.monotonicMs() < deadline && !port_.lost()) {
    const std::size_t count = port_.read(piece.data(), piece.size(), readTimeoutMs);
    const auto ends =
        std::count(piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(count), '\r');
    if (ends == 0) continue;
    owedAnswers_ -= static_cast<int>(std::min<std::ptrdiff_t>(ends, owedAnswers_));
    deadline = clock_.monotonicMs() + allowanceMs;
  }
  if (open_ && port_.lost()) dropLostPort();
  // What has not come by now is taken as lost on the line.
  owedAnswers_ = 0;
}

LinkError DeviceLink::verify(const std::function<LinkError()>& write,
                             const std::function<LinkError(bool& matches)>& readBack) {
  for (int repetition = 0; repetition < parameters_.attemptCount; ++repetition) {
    if (const LinkError written = write(); written != kOk) return written;
    bool matches = false;
    if (const LinkError read = readBack(matches); read != kOk) return read;
    if (matches) return kOk;
  }
  return kReadBackMismatch;
}

LinkError DeviceLink::ReadByteParam(int space, unsigned number, std::int32_t& destination) {
  if (!IsSpace(space)) return kAddressTooLarge;
  std::uint8_t value = 0;
  const LinkError result = transact(
      ReadRequestText(parameters_.networkAddress, MakeParamAddress(ValueKind::Byte, space, number)),
      [&](std::string_view answer) { return ParseByteAnswer(answer, value); });
  if (result == kOk) destination = value;
  return result;
}

LinkError DeviceLink::ReadFloatParam(int space, unsigned number, float& destination) {
  if (!IsSpace(space)) return kAddressTooLarge;
  float value = 0;
  const LinkError result =
      transact(ReadRequestText(parameters_.networkAddress,
                               MakeParamAddress(ValueKind::Float, space, number)),
               [&](std::string_view answer) { return ParseFloatAnswer(answer, value); });
  if (result == kOk) destination = value;
  return result;
}

LinkError DeviceLink::WriteByteParam(int space, unsigned number, std::uint32_t value) {
  if (!IsSpace(space)) return kAddressTooLarge;
  const auto sent = static_cast<std::uint8_t>(value > 255 ? 255 : value);
  return transact(ByteWriteRequestText(parameters_.networkAddress,
                                       MakeParamAddress(ValueKind::Byte, space, number), sent),
                  CheckStatusAnswer);
}

LinkError DeviceLink::WriteFloatParam(int space, unsigned number, float value) {
  if (!IsSpace(space)) return kAddressTooLarge;
  return transact(FloatWriteRequestText(parameters_.networkAddress,
                                        MakeParamAddress(ValueKind::Float, space, number), value),
                  CheckStatusAnswer);
}

LinkError DeviceLink::WriteByteParamVerified(int space, unsigned number, std::uint32_t value) {
  return verify([&] { return WriteByteParam(space, number, value); },
                [&](bool& matches) {
                  std::int32_t readBack = 0;
                  const LinkError result = ReadByteParam(space, number, readBack);
                  matches = static_cast<std::uint32_t>(readBack) == value;
                  return result;
                });
}

LinkError DeviceLink::WriteFloatParamVerified(int space, unsigned number, float value,
                                              float* readBack) {
  return verify([&] { return WriteFloatParam(space, number, value); },
                [&](bool& matches) {
                  float read = 0;
                  const LinkError result = ReadFloatParam(space, number, read);
                  if (result == kOk && readBack != nullptr) *readBack = read;
                  matches = std::fabs(static_cast<double>(read) - static_cast<double>(value)) <=
                            kFloatReadBackTolerance;
                  return result;
                });
}

LinkError DeviceLink::ReadDataBlock(unsigned block, DataBlock& destination) {
  DataBlock value{};
  const LinkError result = transact(
      ReadRequestText(parameters_.networkAddress, MakeParamAddress(ValueKind::DataBlock, 1, block)),
      [&](std::string_view answer) { return ParseBlockAnswer(answer, value); });
  if (result == kOk) destination = value;
  return result;
}

ProbeAnswer DeviceLink::probeByteParam(std::uint32_t networkAddress, int space, unsigned number) {
  const std::string frame = ProbeFrame(networkAddress, space, number);
  const std::int64_t answerMs = probeWaitMs();
  // The answer's first byte follows the request's last.
  const std::int64_t firstByteMs = timing_.lineTimeMs(frame.size() + 1) + kProbeTurnaroundMs;
  return probe(space, frame, {std::min(firstByteMs, answerMs), answerMs});
}

ProbeAnswer DeviceLink::probeByteParam(std::uint32_t networkAddress, int space, unsigned number,
                                       std::int64_t waitMs) {
  return probe(space, ProbeFrame(networkAddress, space, number), {waitMs, waitMs});
}

ProbeAnswer DeviceLink::probe(int space, const std::string& frame, ProbeWaitLimits limits) {
  ProbeAnswer probe;
  if (!IsSpace(space)) {
    probe.result = kAddressTooLarge;
    return probe;
  }
  if (!recoverLostPort()) return probe;
  settleOwedAnswers();
  port_.discardPending();
  probe.result =
      attempt(frame, [&] { return ReceiveProbeAnswer(port_, clock_, limits, answer_, lastWait_); });
  probe.heardAnything = !answer_.empty();
  std::uint8_t value = 0;
  if (probe.result == kOk) probe.result = ParseByteAnswer(AnswerText(answer_), value);
  if (probe.result == kOk) probe.value = value;
  return probe;
}

bool DeviceLink::awaitQuietLine(int quietMs) {
  const std::int64_t deadline =
      clock_.monotonicMs() + AnswerWaitLimitMs(parameters_.replyTimeoutMs);
  std::array<char, kAnswerReadPiece> piece{};
  while (!port_.lost()) {
    if (port_.read(piece.data(), piece.size(), quietMs) == 0) return true;
    if (clock_.monotonicMs() >= deadline) return false;
  }
  return false;
}

int DeviceLink::probeWaitMs() const {
  return std::max(timing_.transferTimeoutMs(kProbeWaitCharacters), kMinProbeWaitMs);
}

}  // namespace zorkan
