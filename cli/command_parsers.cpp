// Each command's arguments, the words after the command's own, into what it is to do. The table
// has checked their number and that every option given applies.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/address_lists.h"
#include "cli/commands.h"
#include "cli/help_ranges.h"
#include "cli/number_text.h"
#include "link/frame.h"
#include "publish/settable_settings.h"
#include "publish/topic_prefix.h"
#include "workflows/instrument_search.h"

namespace zorkan::cli {

namespace {

using Values = std::map<std::string, std::string>;

// What get, live, scan, diff and journal print, as JSON.
constexpr const char* kJsonOption = "--json";

// The value of option `name` when it is given, a number from 1 up.
template <typename Number>
std::optional<UsageError> ParsePositive(const Values& values, const std::string& name,
                                        std::optional<Number>& number) {
  const auto given = values.find(name);
  if (given == values.end()) return std::nullopt;
  const auto value = ParseNumber<Number>(given->second);
  if (!value || *value < 1) return UsageError{name + " needs a positive number"};
  number = *value;
  return std::nullopt;
}

std::optional<std::uint8_t> ParseByte(std::string_view text) {
  const bool hex = text.starts_with("0x") || text.starts_with("0X");
  const auto value = ParseNumber<unsigned>(hex ? text.substr(2) : text, hex ? 16 : 10);
  if (!value || *value > 255) return std::nullopt;
  return static_cast<std::uint8_t>(*value);
}

// Decimal notation, and the whole text: a script's typo must not write a part of it.
std::optional<double> ParseDecimal(std::string_view text) {
  if (text.empty() || text.find_first_not_of("0123456789+-.eE") != std::string_view::npos) {
    return std::nullopt;
  }
  if (text.starts_with('+')) text.remove_prefix(1);  // from_chars takes no plus sign
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc{} || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

// The value of option `name` when it is given, a decimal number.
std::optional<UsageError> ParseDecimalOption(const Values& values, const std::string& name,
                                             std::optional<double>& number) {
  const auto given = values.find(name);
  if (given == values.end()) return std::nullopt;
  const auto value = ParseDecimal(given->second);
  if (!value) return UsageError{name + " needs a decimal number: " + given->second};
  number = *value;
  return std::nullopt;
}

std::optional<ValueType> ParseValueType(std::string_view text) {
  if (text == "byte") return ValueType::Byte;
  if (text == "float") return ValueType::Float;
  return std::nullopt;
}

// SPACE NUMBER byte|float, the start of get and set.
std::optional<UsageError> ParseParameter(const std::vector<std::string>& positional, int& space,
                                         unsigned& number, ValueType& type) {
  const auto parsedSpace = ParseNumber<int>(positional[0]);
  const auto parsedNumber = ParseNumber<unsigned>(positional[1]);
  const auto parsedType = ParseValueType(positional[2]);
  if (!parsedSpace || *parsedSpace < 1 || *parsedSpace > 2) {
    return UsageError{"SPACE must be 1 or 2: " + positional[0]};
  }
  if (!parsedNumber || *parsedNumber > kMaxParameterNumber) {
    return UsageError{FillInRanges("NUMBER must be {numbers}: ") + positional[1]};
  }
  if (!parsedType) return UsageError{"the type must be byte or float: " + positional[2]};
  space = *parsedSpace;
  number = *parsedNumber;
  type = *parsedType;
  return std::nullopt;
}

// "HOST", "HOST:PORT", or "[IPv6]" and "[IPv6]:PORT".
std::optional<UsageError> ParseBroker(std::string_view text, PublishCommand& command) {
  const UsageError bad{"--broker needs HOST or HOST:PORT: " + std::string(text)};
  std::string_view host = text;
  std::string_view port;
  if (text.starts_with('[')) {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) return bad;
    host = text.substr(1, close - 1);
    const std::string_view rest = text.substr(close + 1);
    if (!rest.empty() && !rest.starts_with(':')) return bad;
    if (!rest.empty()) port = rest.substr(1);
  } else if (const std::size_t colon = text.rfind(':'); colon != std::string_view::npos) {
    host = text.substr(0, colon);
    port = text.substr(colon + 1);
    if (host.find(':') != std::string_view::npos) return bad;  // an IPv6 address needs brackets
  }
  if (host.empty()) return bad;
  command.brokerHost = host;
  if (port.data() == nullptr) return std::nullopt;
  const auto number = ParseNumber<std::uint16_t>(port);
  if (!number || *number == 0) return bad;
  command.brokerPort = *number;
  return std::nullopt;
}

// "regulated_value,zone": each a setting commands may set.
std::optional<UsageError> ParseAllowedSettings(const std::string& text,
                                               std::vector<std::string>& names) {
  std::stringstream list(text);
  for (std::string name; std::getline(list, name, ',');) {
    if (FindSettableSetting(name) == nullptr) {
      return UsageError{"--allow-set takes settings of " + SettableSettingNames() + ": " +
                        (name.empty() ? "an empty name" : name)};
    }
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  if (names.empty()) return UsageError{"--allow-set needs the names of settings"};
  return std::nullopt;
}

// The options of commands: the settings they may set and how often.
std::optional<UsageError> ParseCommandOptions(const Values& values, PublishCommand& command) {
  if (const auto allowed = values.find("--allow-set"); allowed != values.end()) {
    if (auto error = ParseAllowedSettings(allowed->second, command.allowedSettings)) return error;
  }
  for (const std::string option : {"--set-interval-s", "--set-budget"}) {
    if (command.allowedSettings.empty() && values.contains(option)) {
      return UsageError{option + " applies to the commands of --allow-set only"};
    }
  }
  std::optional<int> number;
  if (auto error = ParsePositive(values, "--set-interval-s", number)) return error;
  command.setIntervalS = number.value_or(command.setIntervalS);
  number.reset();
  if (auto error = ParsePositive(values, "--set-budget", number)) return error;
  command.setBudget = number.value_or(command.setBudget);
  return std::nullopt;
}

}  // namespace

std::variant<ReadCommand, UsageError> ParseRead(const Arguments& arguments) {
  ReadCommand command{arguments.positional[0], {}};
  if (auto error = ParseAddressList(arguments.values, command.addresses)) return *error;
  return command;
}

std::variant<WriteCommand, UsageError> ParseWrite(const Arguments& arguments) {
  WriteCommand command;
  command.profile = arguments.positional[0];
  command.yes = arguments.flags.contains("--yes");
  command.takeDefaults = arguments.flags.contains("--take-defaults");
  if (auto error = ParseAddressList(arguments.values, command.addresses)) return *error;
  return command;
}

std::variant<GetCommand, UsageError> ParseGet(const Arguments& arguments) {
  GetCommand command;
  if (auto error =
          ParseParameter(arguments.positional, command.space, command.number, command.type)) {
    return *error;
  }
  command.json = arguments.flags.contains(kJsonOption);
  return command;
}

std::variant<SetCommand, UsageError> ParseSet(const Arguments& arguments) {
  const std::string& text = arguments.positional[3];
  SetCommand command;
  if (auto error =
          ParseParameter(arguments.positional, command.space, command.number, command.type)) {
    return *error;
  }
  command.verify = arguments.flags.contains("--verify");
  if (command.type == ValueType::Byte) {
    const auto value = ParseByte(text);
    if (!value) return UsageError{"a byte value is 0..255: " + text};
    command.byteValue = *value;
  } else {
    const auto value = ParseDecimal(text);
    if (!value) return UsageError{"not a decimal number: " + text};
    const auto single = AsInstrumentFloat(*value);
    if (!single) return UsageError{"the instrument's float cannot hold " + text};
    command.floatValue = *single;
  }
  return command;
}

std::variant<LiveCommand, UsageError> ParseLive(const Arguments& arguments) {
  LiveCommand command;
  command.csv = arguments.flags.contains("--csv");
  command.stats = arguments.flags.contains("--stats");
  command.json = arguments.flags.contains(kJsonOption);
  if (command.csv && command.json) return UsageError{"--csv and --json exclude each other"};
  if (auto error = ParsePositive(arguments.values, "--count", command.count)) return *error;
  return command;
}

std::variant<ScanCommand, UsageError> ParseScan(const Arguments& arguments) {
  const InstrumentSearch defaultSearch;
  ScanCommand command{defaultSearch.firstAddress, defaultSearch.lastAddress,
                      arguments.everyBaudRate, arguments.flags.contains(kJsonOption)};
  if (const auto list = arguments.values.find("--addresses"); list != arguments.values.end()) {
    const auto ranges = ParseAddressRanges(list->second);
    if (!ranges || ranges->size() != 1) {
      return UsageError{"--addresses needs A-B with A <= B, of at most " +
                        std::to_string(kMostLineAddresses) + " addresses, or A: " + list->second};
    }
    command.firstAddress = ranges->front().first;
    command.lastAddress = ranges->front().last;
  }
  return command;
}

std::variant<DiffCommand, UsageError> ParseDiff(const Arguments& arguments) {
  return DiffCommand{arguments.positional[0], arguments.flags.contains(kJsonOption)};
}

std::variant<PublishCommand, UsageError> ParsePublish(const Arguments& arguments) {
  const Values& values = arguments.values;
  PublishCommand command;
  const auto broker = values.find("--broker");
  if (broker == values.end()) return UsageError{"publish needs --broker HOST[:PORT]"};
  if (auto error = ParseBroker(broker->second, command)) return *error;
  if (const auto topic = values.find("--topic"); topic != values.end()) {
    const TopicPrefixCheck check = CheckTopicPrefix(topic->second);
    if (!check.refusal.empty()) return UsageError{"--topic " + check.refusal};
    command.topicPrefix = topic->second;
  }
  if (auto error = ParseAddressList(values, command.addresses)) return *error;
  if (const auto interval = values.find("--interval-ms"); interval != values.end()) {
    const auto value = ParseNumber<int>(interval->second);
    if (!value || *value < 0) return UsageError{"--interval-ms needs a number of milliseconds"};
    command.intervalMs = *value;
  }
  if (auto error = ParsePositive(values, "--count", command.count)) return *error;
  if (const auto file = values.find("--password-file"); file != values.end()) {
    command.loginFile = file->second;
  }
  if (const auto file = values.find("--cafile"); file != values.end()) {
    command.caFile = file->second;
  }
  if (auto error = ParseCommandOptions(values, command)) return *error;
  if (arguments.flags.contains("--discovery")) {
    const auto prefix = values.find("--discovery");
    command.discoveryPrefix = prefix != values.end() ? prefix->second : "homeassistant";
    const TopicPrefixCheck check = CheckTopicPrefix(*command.discoveryPrefix);
    if (!check.refusal.empty()) return UsageError{"--discovery " + check.refusal};
  }
  std::optional<int> statsS;
  if (auto error = ParsePositive(values, "--stats-s", statsS)) return *error;
  command.statsS = statsS.value_or(command.statsS);
  return command;
}

std::variant<JournalCommand, UsageError> ParseJournal(const Arguments& arguments) {
  JournalCommand command;
  if (const auto serial = arguments.values.find("--serial"); serial != arguments.values.end()) {
    const auto value = ParseNumber<std::int32_t>(serial->second);
    if (!value) return UsageError{"--serial needs a serial number: " + serial->second};
    command.serialNumber = *value;
  }
  if (auto error = ParsePositive(arguments.values, "--last", command.last)) return *error;
  command.json = arguments.flags.contains(kJsonOption);
  return command;
}

std::variant<JournalDiffCommand, UsageError> ParseJournalDiff(const Arguments& arguments) {
  const std::vector<std::string>& entries = arguments.positional;
  return JournalDiffCommand{entries[0],
                            entries.size() == 2 ? std::optional(entries[1]) : std::nullopt,
                            arguments.flags.contains(kJsonOption)};
}

std::variant<TuneCommand, UsageError> ParseTune(const Arguments& arguments) {
  const Values& values = arguments.values;
  TuneCommand command;
  std::optional<double> setpoint;
  std::optional<double> maximum;
  std::optional<int> minutes;
  if (auto error = ParseDecimalOption(values, "--setpoint", setpoint)) return *error;
  if (auto error = ParseDecimalOption(values, "--max-temperature", maximum)) return *error;
  if (auto error = ParsePositive(values, "--max-minutes", minutes)) return *error;
  if (auto error = ParseDecimalOption(values, "--verify", command.verifyStep)) return *error;
  // No default: the limit that switches the heater off is the operator's to know.
  if (!setpoint || !maximum) return UsageError{"tune needs --setpoint S and --max-temperature M"};
  if (!(*setpoint < *maximum)) return UsageError{"--max-temperature must be above --setpoint"};
  if (command.verifyStep == 0.0) return UsageError{"--verify needs a step other than 0"};
  command.setpoint = *setpoint;
  command.maxTemperature = *maximum;
  command.maxMinutes = minutes.value_or(command.maxMinutes);
  command.write = arguments.flags.contains("--write");
  command.yes = arguments.flags.contains("--yes");
  command.json = arguments.flags.contains("--json");
  if (command.yes && !command.write) {
    return UsageError{"--yes answers the questions of the write: it needs --write"};
  }
  return command;
}

}  // namespace zorkan::cli
