#pragma once
// The one serial port to the instrument and the transactions over it: the only way the rest of the
// system touches the instrument. Every transaction returns a LinkError code, and every opening of
// the port says how it went; the link tells nobody, its callers report.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "link/answer_parser.h"
#include "link/answer_wait.h"
#include "link/clock.h"
#include "link/exchange_log.h"
#include "link/link_activity.h"
#include "link/link_error.h"
#include "link/link_parameters.h"
#include "link/port_timing.h"
#include "link/serial_port.h"

namespace zorkan {

struct LinkSettings;

// How an opening of the port by its number went. Only a port that was tried and refused is for
// the operator to hear of: a number outside 1..4 opens nothing, without a word (dev.dat's check
// warns of numbers above 4).
enum class PortOpening { Opened, Refused, NoPortNumber };

// What the link's transactions met on the line since the link was made: the line's health.
struct AttemptCounts {
  std::uint64_t transactions = 0;  // that sent a request
  std::uint64_t attempts = 0;      // requests sent, repeats included
  std::uint64_t unanswered = 0;    // attempts whose answer never came within the wait limit
  // Attempts whose answer came but was no answer: too long, or not of the shape asked for. An
  // instrument's "$" status is an answer, and is not counted here.
  std::uint64_t garbled = 0;
  bool operator==(const AttemptCounts&) const = default;
};

struct ProbeAnswer {
  LinkError result = kNoAnswer;
  std::int32_t value = 0;
  bool heardAnything = false;  // a byte arrived, a whole answer or not
};

// How far a float may read back from the value written and still count as written.
constexpr double kFloatReadBackTolerance = 0.01;

class DeviceLink {
 public:
  DeviceLink(SerialPort& port, const Clock& clock, std::filesystem::path workDir);

  // Opens the port of the settings' port number at their baud rate; a refused open leaves the
  // port closed.
  [[nodiscard]] PortOpening OpenPort(const LinkSettings& settings);
  // The same for a device path chosen directly; true when it opened.
  bool openPortAt(const std::string& path, std::uint32_t baudRate);
  // Waits first for answers the instrument may still owe (see settleOwedAnswers), so that they
  // do not meet whoever opens the port next.
  void ClosePort();
  [[nodiscard]] PortOpening ReopenPort(const LinkSettings& settings);
  // The port opened last opened again at another baud rate of the table, as openPortAt opens it.
  [[nodiscard]] bool reopenAt(std::uint32_t baudRate);
  // false also while the port is lost: the instrument's end of the line has gone. The link closed
  // it then, and the transaction that found it ended with kNoAnswer at once; each later
  // transaction first tries once, silently, to open the same port again, and fails at once with
  // kNoAnswer while it cannot. So the link recovers by itself when the instrument or the adapter
  // comes back.
  bool isOpen() const { return open_; }
  std::uint32_t baudRate() const { return timing_.baudRate; }
  // The device path opened last ("/dev/ttyUSB0", "COM1" in the working folder).
  const std::string& portPath() const { return portPath_; }
  // Where the next transaction goes.
  LinkTarget target() const { return {portPath_, timing_.baudRate, parameters_.networkAddress}; }
  // How the target of the last transaction answered it; nullopt before the first transaction.
  // Another target starts afresh, with no answer heard from it yet.
  const std::optional<LinkActivity>& activity() const { return activity_; }

  void setParameters(LinkParameters parameters);
  const LinkParameters& parameters() const { return parameters_; }

  LinkError ReadByteParam(int space, unsigned number, std::int32_t& destination);
  LinkError ReadFloatParam(int space, unsigned number, float& destination);
  // A value above 255 goes out as 255.
  LinkError WriteByteParam(int space, unsigned number, std::uint32_t value);
  LinkError WriteFloatParam(int space, unsigned number, float value);
  // Write, read back and compare, up to attemptCount times; kReadBackMismatch when it never
  // matched. Bytes must read back equal to `value` (so a value above 255 never does), floats within
  // kFloatReadBackTolerance. `readBack`, when given, gets the value the last read-back read.
  LinkError WriteByteParamVerified(int space, unsigned number, std::uint32_t value);
  LinkError WriteFloatParamVerified(int space, unsigned number, float value,
                                    float* readBack = nullptr);
  // Data block `block` of space 1.
  LinkError ReadDataBlock(unsigned block, DataBlock& destination);

  // One read of a byte parameter from the instrument at `networkAddress`, for searching the line:
  // one attempt, short instead of the reply time-out, so that a silent address costs little. Its
  // answer must begin within the request's own time on the line and an instrument's turnaround,
  // and end within probeWaitMs (a few character times of the baud rate). The link parameters are
  // neither used nor changed, and an unanswered probe leaves no answer owed: an instrument that
  // answers later than that is not the one being looked for.
  ProbeAnswer probeByteParam(std::uint32_t networkAddress, int space, unsigned number);
  // As above, but with `waitMs` for the answer, however late it begins.
  ProbeAnswer probeByteParam(std::uint32_t networkAddress, int space, unsigned number,
                             std::int64_t waitMs);
  int probeWaitMs() const;
  // Drops what arrives until nothing has come for `quietMs` (the rest of a slow or noisy answer),
  // for no longer than one answer's wait limit: a probe after it hears only its own answer. false
  // when the line never went quiet that long.
  bool awaitQuietLine(int quietMs);

  // The wait of the last attempt: its start time goes into the measurement log.
  const AnswerWait& lastWait() const { return lastWait_; }
  const AttemptCounts& attemptCounts() const { return counts_; }
  // What the link measures its waits with.
  const Clock& clock() const { return clock_; }

 private:
  using AnswerTest = std::function<LinkError(std::string_view answer)>;
  using AnswerReceiver = std::function<LinkError()>;

  LinkError transact(const std::string& requestText, const AnswerTest& test);
  // The attempts of one transaction; `answered` once any attempt got an answer.
  LinkError attempts(const std::string& requestText, const AnswerTest& test, bool& answered);
  void noteActivity(bool answered);
  // Sends `frame`, collects its answer with `receive` and logs the attempt.
  LinkError attempt(const std::string& frame, const AnswerReceiver& receive);
  void settleOwedAnswers();
  ProbeAnswer probe(int space, const std::string& frame, ProbeWaitLimits limits);
  // false while a lost port cannot be opened again.
  bool recoverLostPort();
  void dropLostPort();
  LinkError verify(const std::function<LinkError()>& write,
                   const std::function<LinkError(bool& matches)>& readBack);

  SerialPort& port_;
  const Clock& clock_;
  std::filesystem::path workDir_;
  std::string portPath_;
  PortTiming timing_;
  LinkParameters parameters_;
  ExchangeLog log_;
  std::string answer_;
  AnswerWait lastWait_;
  std::optional<LinkActivity> activity_;
  AttemptCounts counts_;
  bool open_ = false;
  bool lost_ = false;
  // Requests sent on the open port whose answers have not arrived (yet), and when the last
  // request went out.
  int owedAnswers_ = 0;
  std::int64_t lastRequestMs_ = 0;
};

}  // namespace zorkan
