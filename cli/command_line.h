#pragma once
// What zorkan-cli was asked to do.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zorkan::cli {

// Overrides of the link settings that dev.dat (or its defaults) gives.
struct LinkOptions {
  std::optional<int> portNumber;
  std::optional<std::string> device;
  std::optional<std::uint32_t> baudRate;
  std::optional<std::uint32_t> networkAddress;
  std::optional<int> attempts;
  std::optional<int> timeoutSeconds;
  std::optional<std::string> logFile;
};

enum class ValueType { Byte, Float };

struct ReadCommand {
  std::string profile;                   // with addresses: the folder of the instruments' profiles
  std::vector<std::uint32_t> addresses;  // in the order read; empty: the link's own instrument
};
struct WriteCommand {
  std::string profile;
  bool yes = false;
  bool takeDefaults = false;  // a profile without some of the settings a write sends is written
  std::vector<std::uint32_t> addresses;  // in the order written; empty: the link's own instrument
};
struct GetCommand {
  int space = 0;
  unsigned number = 0;
  ValueType type = ValueType::Byte;
  bool json = false;
};
struct SetCommand {
  int space = 0;
  unsigned number = 0;
  ValueType type = ValueType::Byte;
  std::uint8_t byteValue = 0;
  float floatValue = 0;
  bool verify = false;
};
struct LiveCommand {
  std::optional<int> count;
  bool csv = false;
  bool stats = false;  // the line's statistics on standard error at the end
  bool json = false;  // an object a poll, a line each
};
struct ScanCommand {
  std::uint32_t firstAddress = 0;
  std::uint32_t lastAddress = 0;
  bool everyBaudRate = false;  // else the link's own
  bool json = false;
};
struct DiffCommand {
  std::string profile;
  bool json = false;
};
struct PublishCommand {
  std::string brokerHost;
  std::optional<std::uint16_t> brokerPort;  // else the MQTT port, or with a CA file the TLS one
  std::string topicPrefix = "zorkan";
  std::vector<std::uint32_t> addresses;  // in the order polled; empty: the link's own
  int intervalMs = 500;                  // from the start of one round to the next
  std::optional<int> count;              // rounds
  std::optional<std::string> loginFile;
  std::optional<std::string> caFile;
  std::vector<std::string> allowedSettings;    // that commands may set; none: no commands
  int setIntervalS = 5;                        // between two commands of one setting
  int setBudget = 200;                         // writes a day of one instrument
  std::optional<std::string> discoveryPrefix;  // Home Assistant's; none: no discovery
  int statsS = 60;                             // between two statistics of the line
};
struct JournalCommand {
  std::optional<std::int32_t> serialNumber;
  std::optional<std::size_t> last;
  bool json = false;
};
// Two entries, by number or file name; without `second`, the entry and the instrument.
struct JournalDiffCommand {
  std::string first;
  std::optional<std::string> second;
  bool json = false;
};

// The regulator tuned by a relay experiment; nothing is written without `write`.
struct TuneCommand {
  double setpoint = 0;
  double maxTemperature = 0;
  int maxMinutes = 60;
  bool write = false;
  bool yes = false;                  // answers the write's check questions Yes
  std::optional<double> verifyStep;  // degrees of a step of the regulated value to check with
  bool json = false;
};

using Command =
    std::variant<ReadCommand, WriteCommand, GetCommand, SetCommand, LiveCommand, ScanCommand,
                 DiffCommand, PublishCommand, JournalCommand, JournalDiffCommand, TuneCommand>;

struct CommandRow;

struct CommandLine {
  Command command;
  LinkOptions link;
  const CommandRow* row = nullptr;  // of the command table, whose runner runs `command`
};

// --help or --version: a text for standard output, and nothing run.
struct Printout {
  std::string text;
};

struct UsageError {
  std::string message;
};

std::variant<CommandLine, Printout, UsageError> ParseCommandLine(
    const std::vector<std::string>& arguments);

}  // namespace zorkan::cli
