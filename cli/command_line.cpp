#include "cli/command_line.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <set>

#include "cli/exit_status.h"
#include "link/frame.h"
#include "link/link_settings.h"
#include "link/port_path.h"
#include "link/port_timing.h"
#include "workflows/instrument_search.h"

namespace zorkan::cli {

namespace {

const InstrumentSearch kDefaultSearch;

constexpr const char* kLinkOptionsHelp =
    "Link options (defaults from dev.dat in the working folder, which is read, never written,\n"
    "or the defaults of a new dev.dat):\n"
    "  --port N          port number {ports}: COMn in the working folder, else /dev/ttyUSB(n-1),\n"
    "                    else /dev/ttyS(n-1)\n"
    "  --device PATH     serial device to open instead of a port number\n"
    "  --baud N          {bauds}\n"
    "  --address N       network address of the instrument\n"
    "  --attempts N      attempts per transaction (taken as 2..5)\n"
    "  --timeout-s N     reply time-out in whole seconds, taken as at most {longest} (at least 1 "
    "s\n"
    "                    is waited)\n"
    "  --log FILE        append every exchange to FILE\n";

constexpr const char* kProgramHelp =
    "Usage: zorkan-cli COMMAND [arguments] [options]\n"
    "Configures and checks a ZORKAN 74X instrument from scripts.\n"
    "\n"
    "Commands:\n"
    "  read PROFILE                      read the whole instrument into PROFILE\n"
    "  write PROFILE [--yes] [--take-defaults]\n"
    "                                    check PROFILE and write it to the instrument\n"
    "  get SPACE NUMBER byte|float       read one parameter\n"
    "  set SPACE NUMBER byte|float VALUE [--verify]\n"
    "                                    write one parameter\n"
    "  live [--count N] [--csv]          print the live values every 500 ms\n"
    "  scan [--addresses A-B] [--baud N|all]\n"
    "                                    find the instrument: its address and baud rate\n"
    "  diff PROFILE                      compare the instrument with PROFILE\n"
    "\n"
    "zorkan-cli COMMAND --help tells more. Exit status: 0, or the instrument link's result code\n"
    "(its text goes to standard error); {differ} when diff finds a difference; 14 when a profile\n"
    "cannot be used; 64 for a wrong command line. Ctrl+C stops a read or write between two\n"
    "steps of a channel (code 20); once both channels are done, the rest of the read or write\n"
    "runs to its end. Ctrl+C stops scan between two addresses (code 20) and ends live.\n";

const std::map<std::string, std::string> kCommandHelp{
    {"read",
     "Usage: zorkan-cli read PROFILE [link options]\n"
     "Reads the whole instrument (both channels, relay logic, regulator bytes, general\n"
     "parameters) and saves what was read into PROFILE. An existing PROFILE is loaded first,\n"
     "so that the values only profiles keep (description, calibration, sensor bounds) stay;\n"
     "a new one starts from the default profile. Nothing is saved when the read fails.\n"},
    {"write",
     "Usage: zorkan-cli write PROFILE [--yes] [--take-defaults] [link options]\n"
     "Loads PROFILE (which must exist), runs the field, relay and channel checks and writes the\n"
     "whole configuration to the instrument, every channel value read back and compared; the\n"
     "instrument then restarts. Each question of the checks is printed and answered No, which\n"
     "stops the write (code 16 or 17), unless --yes answers them all Yes. A profile that lacks\n"
     "any setting the write sends (a file cut short, say) is refused with status 14, naming the\n"
     "first one missing; --take-defaults writes the defaults in their place.\n"},
    {"get",
     "Usage: zorkan-cli get SPACE NUMBER byte|float [link options]\n"
     "Reads parameter NUMBER ({numbers}) of SPACE (1 or 2) and prints its value.\n"},
    {"set",
     "Usage: zorkan-cli set SPACE NUMBER byte|float VALUE [--verify] [link options]\n"
     "Writes VALUE (a byte 0..255, decimal or 0x hexadecimal, or a decimal number) to\n"
     "parameter NUMBER of SPACE. --verify reads it back and compares.\n"},
    {"live",
     "Usage: zorkan-cli live [--count N] [--csv] [link options]\n"
     "Reads the live values every 500 ms and prints a line per poll: time, relays, channel 1\n"
     "value and status, channel 2 value and status, tab-separated like the measurement log,\n"
     "or with --csv as CSV with a header and ISO 8601 times. Stops after N polls or at Ctrl+C.\n"},
    {"scan",
     "Usage: zorkan-cli scan [--addresses A-B] [--baud N|all] [link options]\n"
     "Asks every network address from A to B (default {addresses}; one address: A) for its\n"
     "firmware version, at the baud rate of dev.dat or --baud, or with --baud all at each of\n"
     "{bauds}. A line is printed for every instrument that answers: its address, baud\n"
     "rate and firmware version, tab-separated. Each address waits a few character times, not\n"
     "the reply time-out. Exit status 0 when an instrument answered, 2 when none did; Ctrl+C\n"
     "stops the search (code 20) after printing what it found so far.\n"},
    {"diff",
     "Usage: zorkan-cli diff PROFILE [link options]\n"
     "Reads the whole instrument as read does, writing nothing, and compares it with PROFILE\n"
     "(which must exist) as write would send it: a line for every setting that differs, the\n"
     "profile key with its section (CH1 th1), the instrument's value and the profile's,\n"
     "tab-separated. Values only profiles keep (calibration, descriptions, sensor bounds) are\n"
     "not compared. Exit status 0 when they are equal, {differ} when they differ, else as for\n"
     "read.\n"},
};

// The ranges the help names, from the tables that define them.
std::string Expand(std::string text) {
  std::string bauds;
  const auto timings = PortTimings();
  for (std::size_t i = 0; i < timings.size(); ++i) {
    if (i > 0) bauds += i + 1 == timings.size() ? " or " : ", ";
    bauds += std::to_string(timings[i].baudRate);
  }
  const std::pair<std::string_view, std::string> values[] = {
      {"{ports}", std::to_string(kFirstPortNumber) + ".." + std::to_string(kLastPortNumber)},
      {"{bauds}", bauds},
      {"{numbers}", "0.." + std::to_string(kMaxParameterNumber)},
      {"{longest}", std::to_string(kMaxReplyTimeoutSeconds)},
      {"{addresses}", std::to_string(kDefaultSearch.firstAddress) + "-" +
                          std::to_string(kDefaultSearch.lastAddress)},
      {"{differ}", std::to_string(kExitDiffers)},
  };
  for (const auto& [name, value] : values) {
    for (std::size_t at = text.find(name); at != std::string::npos;
         at = text.find(name, at + value.size())) {
      text.replace(at, name.size(), value);
    }
  }
  return text;
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text, int base = 10) {
  Number value{};
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (result.ec != std::errc{} || result.ptr != text.data() + text.size() || text.empty()) {
    return std::nullopt;
  }
  return value;
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

// What the instrument's single-precision float holds of `value`: nothing for a value it would
// turn into 0 or infinity, which a write would otherwise report as done.
std::optional<float> AsInstrumentFloat(double value) {
  const auto single = static_cast<float>(value);
  if (std::isinf(single) || (single == 0 && value != 0)) return std::nullopt;
  return single;
}

struct Parser {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;  // options with a value
  std::set<std::string> flags;                // options without one
  bool everyBaudRate = false;                 // scan --baud all
  std::optional<UsageError> error;
};

const std::set<std::string> kValueOptions{"--port",    "--device",   "--baud",
                                          "--address", "--attempts", "--timeout-s",
                                          "--log",     "--count",    "--addresses"};
// The value options of single commands; the others are link options, which every command takes.
const std::set<std::string> kCommandValueOptions{"--count", "--addresses"};
const std::set<std::string> kFlagOptions{"--yes", "--verify", "--csv", "--help", "--take-defaults"};

Parser Split(const std::vector<std::string>& arguments) {
  Parser parser;
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    const std::string& argument = arguments[k];
    if (kFlagOptions.contains(argument)) {
      parser.flags.insert(argument);
    } else if (kValueOptions.contains(argument)) {
      if (k + 1 == arguments.size()) {
        parser.error = UsageError{argument + " needs a value"};
        return parser;
      }
      parser.values[argument] = arguments[++k];
    } else if (argument.starts_with("--")) {
      parser.error = UsageError{"unknown option " + argument};
      return parser;
    } else {
      parser.positional.push_back(argument);
    }
  }
  return parser;
}

std::optional<UsageError> ParseLinkOptions(const Parser& parser, LinkOptions& link) {
  for (const auto& [option, text] : parser.values) {
    const auto number = ParseNumber<std::uint32_t>(text);
    const auto bad = [&] { return UsageError{"bad value for " + option + ": " + text}; };
    if (option == "--device") {
      link.device = text;
    } else if (option == "--log") {
      link.logFile = text;
    } else if (option == "--port") {
      if (!number || !IsPortNumber(static_cast<int>(*number))) return bad();
      link.portNumber = static_cast<int>(*number);
    } else if (option == "--baud") {
      if (!number || !PortTimingFor(*number)) return bad();
      link.baudRate = *number;
    } else if (option == "--address") {
      if (!number) return bad();
      link.networkAddress = *number;
    } else if (option == "--attempts") {
      if (!number || *number < 1 || *number > 100) return bad();
      link.attempts = static_cast<int>(*number);
    } else if (option == "--timeout-s") {
      if (!number) return bad();
      link.timeoutSeconds =
          static_cast<int>(std::min(*number, static_cast<std::uint32_t>(kMaxReplyTimeoutSeconds)));
    }
  }
  return std::nullopt;
}

// "A-B" or a single address "A".
bool ParseAddressRange(std::string_view text, std::uint32_t& first, std::uint32_t& last) {
  const std::size_t dash = text.find('-');
  const auto from = ParseNumber<std::uint32_t>(text.substr(0, dash));
  const auto to =
      dash == std::string_view::npos ? from : ParseNumber<std::uint32_t>(text.substr(dash + 1));
  if (!from || !to || *from > *to) return false;
  first = *from;
  last = *to;
  return true;
}

std::optional<ValueType> ParseValueType(std::string_view text) {
  if (text == "byte") return ValueType::Byte;
  if (text == "float") return ValueType::Float;
  return std::nullopt;
}

// SPACE NUMBER byte|float, the start of get and set.
std::optional<UsageError> ParseParameter(const std::vector<std::string>& positional, int& space,
                                         unsigned& number, ValueType& type) {
  const auto parsedSpace = ParseNumber<int>(positional[1]);
  const auto parsedNumber = ParseNumber<unsigned>(positional[2]);
  const auto parsedType = ParseValueType(positional[3]);
  if (!parsedSpace || *parsedSpace < 1 || *parsedSpace > 2) {
    return UsageError{"SPACE must be 1 or 2: " + positional[1]};
  }
  if (!parsedNumber || *parsedNumber > kMaxParameterNumber) {
    return UsageError{Expand("NUMBER must be {numbers}: ") + positional[2]};
  }
  if (!parsedType) return UsageError{"the type must be byte or float: " + positional[3]};
  space = *parsedSpace;
  number = *parsedNumber;
  type = *parsedType;
  return std::nullopt;
}

std::variant<Command, UsageError> ParseCommand(const Parser& parser) {
  const std::vector<std::string>& positional = parser.positional;
  const std::string& name = positional[0];
  const auto expect = [&](std::size_t count, std::set<std::string> allowedFlags,
                          std::set<std::string> allowedValues) -> std::optional<UsageError> {
    if (positional.size() != count + 1) return UsageError{"wrong number of arguments for " + name};
    for (const std::string& flag : parser.flags) {
      if (!allowedFlags.contains(flag)) return UsageError{flag + " does not apply to " + name};
    }
    for (const auto& [option, value] : parser.values) {
      if (kCommandValueOptions.contains(option) && !allowedValues.contains(option)) {
        return UsageError{option + " does not apply to " + name};
      }
    }
    return std::nullopt;
  };
  if (name == "read") {
    if (auto error = expect(1, {}, {})) return *error;
    return ReadCommand{positional[1]};
  }
  if (name == "write") {
    if (auto error = expect(1, {"--yes", "--take-defaults"}, {})) return *error;
    return WriteCommand{positional[1], parser.flags.contains("--yes"),
                        parser.flags.contains("--take-defaults")};
  }
  if (name == "get") {
    if (auto error = expect(3, {}, {})) return *error;
    GetCommand command;
    if (auto error = ParseParameter(positional, command.space, command.number, command.type)) {
      return *error;
    }
    return command;
  }
  if (name == "set") {
    if (auto error = expect(4, {"--verify"}, {})) return *error;
    SetCommand command;
    if (auto error = ParseParameter(positional, command.space, command.number, command.type)) {
      return *error;
    }
    command.verify = parser.flags.contains("--verify");
    if (command.type == ValueType::Byte) {
      const auto value = ParseByte(positional[4]);
      if (!value) return UsageError{"a byte value is 0..255: " + positional[4]};
      command.byteValue = *value;
    } else {
      const auto value = ParseDecimal(positional[4]);
      if (!value) return UsageError{"not a decimal number: " + positional[4]};
      const auto single = AsInstrumentFloat(*value);
      if (!single) return UsageError{"the instrument's float cannot hold " + positional[4]};
      command.floatValue = *single;
    }
    return command;
  }
  if (name == "live") {
    if (auto error = expect(0, {"--csv"}, {"--count"})) return *error;
    LiveCommand command;
    command.csv = parser.flags.contains("--csv");
    if (const auto count = parser.values.find("--count"); count != parser.values.end()) {
      const auto value = ParseNumber<int>(count->second);
      if (!value || *value < 1) return UsageError{"--count needs a positive number"};
      command.count = *value;
    }
    return command;
  }
  if (name == "scan") {
    if (auto error = expect(0, {}, {"--addresses"})) return *error;
    ScanCommand command{kDefaultSearch.firstAddress, kDefaultSearch.lastAddress,
                        parser.everyBaudRate};
    if (const auto range = parser.values.find("--addresses"); range != parser.values.end()) {
      if (!ParseAddressRange(range->second, command.firstAddress, command.lastAddress)) {
        return UsageError{"--addresses needs A-B with A <= B, or A: " + range->second};
      }
    }
    return command;
  }
  if (name == "diff") {
    if (auto error = expect(1, {}, {})) return *error;
    return DiffCommand{positional[1]};
  }
  return UsageError{"unknown command " + name};
}

}  // namespace

std::variant<CommandLine, UsageError> ParseCommandLine(const std::vector<std::string>& arguments) {
  Parser parser = Split(arguments);
  if (parser.error) return *parser.error;
  if (parser.flags.contains("--help")) {
    if (parser.positional.empty()) return CommandLine{HelpCommand{kProgramHelp}, {}};
    const auto help = kCommandHelp.find(parser.positional[0]);
    if (help == kCommandHelp.end()) return UsageError{"unknown command " + parser.positional[0]};
    return CommandLine{HelpCommand{Expand(help->second + "\n" + kLinkOptionsHelp)}, {}};
  }
  if (parser.positional.empty()) return UsageError{"no command given; see zorkan-cli --help"};
  // Not a rate to open the port at: the search's every rate of the table.
  if (const auto baud = parser.values.find("--baud");
      parser.positional[0] == "scan" && baud != parser.values.end() && baud->second == "all") {
    parser.everyBaudRate = true;
    parser.values.erase(baud);
  }
  CommandLine commandLine{ReadCommand{}, {}};
  if (auto error = ParseLinkOptions(parser, commandLine.link)) return *error;
  auto command = ParseCommand(parser);
  if (auto* error = std::get_if<UsageError>(&command)) return *error;
  commandLine.command = std::get<Command>(command);
  return commandLine;
}

}  // namespace zorkan::cli
