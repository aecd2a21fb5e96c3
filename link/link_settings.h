#pragma once
// The link configuration kept in dev.dat in the working folder.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "link/answer_wait.h"
#include "link/link_parameters.h"

namespace zorkan {

// The longest reply time-out taken, however long dev.dat or a command line asks for; dev.dat keeps
// what it holds.
constexpr std::int32_t kMaxReplyTimeoutSeconds = kMaxAnswerWaitMs / 1000;
// The attempts per transaction a run takes, whatever dev.dat holds.
constexpr std::int32_t kMinReadings = 2;
constexpr std::int32_t kMaxReadings = 5;
// dev.dat holds the network address as a signed 32-bit number.
constexpr std::uint32_t kMaxNetworkAddress = 0x7FFF'FFFF;

struct LinkSettings {
  std::int32_t portNumber = 1;
  std::string settingsText = "9600,N,8,2";  // only its baud rate is used
  std::uint32_t baudRate = 4800;
  std::uint32_t networkAddress = 1;
  std::int32_t readings = 2;            // attempts per transaction
  std::int32_t timeOutSeconds = 1;      // as dev.dat holds it (a negative one counts as 0)
  std::uint32_t replyTimeoutMs = 1000;  // the seconds, at most kMaxReplyTimeoutSeconds of them
  std::int32_t logSwitch = 1;           // exactly 1 enables the exchange log
  std::string logFileName = "COM.txt";
  std::int32_t measurementLogSwitch = 1;  // exactly 1 enables the measurement log
  std::string measurementLogFileName = "IZM.txt";
};

constexpr const char* kLinkSettingsFileName = "dev.dat";

// What loading dev.dat found for the operator to hear of, in the order it is told.
struct LinkSettingsFindings {
  // dev.dat, when it could not be written: the writes stopped at the first refusal.
  std::optional<std::filesystem::path> unwritable;
  bool portNumberTooLarge = false;  // above 4, or negative
  bool longReplyTimeout = false;    // above 4 s
  bool operator==(const LinkSettingsFindings&) const = default;
};

// Reads dev.dat of `workDir`, creating it with the defaults when it is missing, and writes every
// key read back so that a partial file is completed. When the file cannot be written, the
// settings come from what could be read, else the defaults, and the tool still starts.
LinkSettingsFindings LoadLinkSettings(LinkSettings& settings, const std::filesystem::path& workDir);

// A port number above 4 and a long reply time-out; nothing is unwritable here.
LinkSettingsFindings CheckLinkSettings(const LinkSettings& settings);

// The settings dev.dat of `workDir` holds, without writing anything: the defaults for a missing
// file or key.
LinkSettings ReadLinkSettings(const std::filesystem::path& workDir);

// Writes only the port number back; false when dev.dat could not be written.
[[nodiscard]] bool SavePortNumber(const LinkSettings& settings,
                                  const std::filesystem::path& workDir);

// A reply time-out in whole seconds as the link waits it, in milliseconds.
std::uint32_t ReplyTimeoutMs(std::int32_t seconds);

// The network address and the baud rate of the instrument found on the line (NetAdrr, and the
// baud rate's place in Settings); no other key is written. false when dev.dat could not be
// written.
[[nodiscard]] bool SaveInstrumentAddress(const LinkSettings& settings,
                                         const std::filesystem::path& workDir);

// The port number, the baud rate (in its place in Settings), the network address, the attempts and
// the reply time-out in seconds, in one replacement of dev.dat: whatever happens midway, the file
// holds all of them or none. No other key changes; the attempts hold for the next start, which
// writes 2 back as every start does. false when dev.dat could not be read or written.
[[nodiscard]] bool SaveLinkSettings(const LinkSettings& settings,
                                    const std::filesystem::path& workDir);

// `settingsText` naming `baudRate` instead of the rate it names; the rest of the text stays.
std::string SettingsTextWithBaudRate(const std::string& settingsText, std::uint32_t baudRate);

// The baud rate named in a settings text such as "19200,N,8,1"; 4800 when none is.
std::uint32_t BaudRateFromSettingsText(const std::string& settingsText);

// The transaction parameters of a run: the readings clamped to 2..5 (and stored back into the
// settings, never into the file), log file names relative to `workDir`.
LinkParameters TransactionParameters(LinkSettings& settings, const std::filesystem::path& workDir);

}  // namespace zorkan
