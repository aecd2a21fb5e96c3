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
#include "publish/broker_settings.h"
#include "workflows/instrument_search.h"

namespace zorkan::cli {

namespace {

const InstrumentSearch kDefaultSearch;
// More addresses than a line holds is a typo such as "1-1000000", not a line.
constexpr std::size_t kMostLineAddresses = 256;

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
    "  read --addresses LIST FOLDER      read each instrument into FOLDER/SERIAL.prf\n"
    "  write PROFILE [--addresses LIST] [--yes] [--take-defaults]\n"
    "                                    check PROFILE and write it to the instrument(s)\n"
    "  get SPACE NUMBER byte|float       read one parameter\n"
    "  set SPACE NUMBER byte|float VALUE [--verify]\n"
    "                                    write one parameter\n"
    "  live [--count N] [--csv]          print the live values every 500 ms\n"
    "  scan [--addresses A-B] [--baud N|all]\n"
    "                                    find the instruments on the line\n"
    "  diff PROFILE                      compare the instrument with PROFILE\n"
    "  publish --broker HOST[:PORT] [--topic PREFIX] [--addresses LIST] [--interval-ms N]\n"
    "          [--count N] [--password-file FILE] [--cafile FILE]\n"
    "                                    publish the live values to an MQTT broker\n"
    "  journal [--serial N] [--last N]   list the configuration journal, newest first\n"
    "  journal diff A [B]                compare journal entry A with B or the instrument\n"
    "\n"
    "zorkan-cli COMMAND --help tells more. Exit status: 0, or the instrument link's result code\n"
    "(its text goes to standard error); {differ} when diff finds a difference; 14 when a profile\n"
    "(or publish's login or CA file) cannot be used; 64 for a wrong command line. Ctrl+C stops a\n"
    "read or write between two steps of a channel (code 20); once both channels are done, the\n"
    "rest of the read or write runs to its end. Ctrl+C stops scan between two addresses (code\n"
    "20) and ends live; Ctrl+C or SIGTERM ends publish. Every run closes the port only once the\n"
    "answers the instrument still owes have come.\n";

const std::map<std::string, std::string> kCommandHelp{
    {"read",
     "Usage: zorkan-cli read PROFILE [link options]\n"
     "       zorkan-cli read --addresses LIST FOLDER [link options]\n"
     "Reads the whole instrument (both channels, relay logic, regulator bytes, general\n"
     "parameters) and saves what was read into PROFILE. An existing PROFILE is loaded first,\n"
     "so that the values only profiles keep (description, calibration, sensor bounds) stay;\n"
     "a new one starts from the default profile. Nothing is saved when the read fails.\n"
     "With --addresses, reads the instrument at each address of LIST (\"1,2,7\", \"1-3,7\") in\n"
     "turn into a profile of its own in FOLDER, SERIAL.prf after its serial number\n"
     "(SERIAL-ADDRESS.prf for a serial number met before), kept as above when it exists.\n"
     "A failed instrument does not stop the others; a line per instrument tells its address,\n"
     "serial number and profile, or why it failed, tab-separated. Exit status 0 when every\n"
     "instrument was read and saved, else the first failure's code. Ctrl+C stops between two\n"
     "instruments too.\n"},
    {"write",
     "Usage: zorkan-cli write PROFILE [--addresses LIST] [--yes] [--take-defaults]\n"
     "       [link options]\n"
     "Loads PROFILE (which must exist), runs the field, relay and channel checks and writes the\n"
     "whole configuration to the instrument, every channel value read back and compared; the\n"
     "instrument then restarts. Each question of the checks is printed and answered No, which\n"
     "stops the write (code 16 or 17), unless --yes answers them all Yes. A profile that lacks\n"
     "any setting the write sends (a file cut short, say) is refused with status 14, naming the\n"
     "first one missing; --take-defaults writes the defaults in their place.\n"
     "With --addresses, writes the instrument at each address of LIST (\"1,2,7\", \"1-3,7\") in\n"
     "turn, the checks' questions asked once. Each instrument's serial number is read first;\n"
     "one that does not tell it is not written. A failed instrument does not stop the others;\n"
     "a line per instrument tells its address, serial number and result, tab-separated. Exit\n"
     "status 0 when every instrument was written, else the first failure's code. Ctrl+C stops\n"
     "between two instruments too.\n"},
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
     "rate, serial number, device type and firmware version, tab-separated. An address whose\n"
     "answers keep arriving garbled probably holds more than one instrument: it is named on\n"
     "standard error, never printed as an instrument. Each silent address waits a few\n"
     "character times, not the reply time-out. Exit status 0 when an instrument answered, 2\n"
     "when none did; Ctrl+C stops the search (code 20) after printing what it found so far.\n"},
    {"diff",
     "Usage: zorkan-cli diff PROFILE [link options]\n"
     "Reads the whole instrument as read does, writing nothing, and compares it with PROFILE\n"
     "(which must exist) as write would send it: a line for every setting that differs, the\n"
     "profile key with its section (CH1 th1), the instrument's value and the profile's,\n"
     "tab-separated. Values only profiles keep (calibration, descriptions, sensor bounds) are\n"
     "not compared. Exit status 0 when they are equal, {differ} when they differ, else as for\n"
     "read.\n"},
    {"journal",
     "Usage: zorkan-cli journal [--serial N] [--last N] [link options]\n"
     "       zorkan-cli journal diff A [B] [link options]\n"
     "Every whole read and write (from here and from the window) and every set leaves an entry\n"
     "in journal/ of the working folder. journal lists them newest first, a line each,\n"
     "tab-separated: number, time, action (read, write, set), result code, the serial number\n"
     "with where it was taken from (instrument: read from it; pages: what the profile or the\n"
     "pages held, for a write or a read that stopped before it), the entry's file, the first\n"
     "description line (for a set: space, number, kind and value), and for a read or write that\n"
     "did not succeed, the step it stopped at. --serial N: the reads and writes of the\n"
     "instrument with serial number N only; --last N: the newest N.\n"
     "journal diff A B prints the profile keys that entries A and B (each a number or a file\n"
     "name) give differently: the key with its section, A's value, B's value, tab-separated.\n"
     "journal diff A reads the whole instrument as diff does, writing nothing, and prints the\n"
     "settings it holds otherwise than A: A's value first, the instrument's second. Exit status\n"
     "0 when they are equal, {differ} when they differ, 14 when an entry is not there or holds\n"
     "no profile (a set), else as for read.\n"
     "An entry's file is a read-only profile: zorkan-cli write journal/FILE restores it, with\n"
     "the usual checks. Nothing is written to the instrument from the journal otherwise.\n"},
    {"publish",
     "Usage: zorkan-cli publish --broker HOST[:PORT] [--topic PREFIX] [--addresses LIST]\n"
     "       [--interval-ms N] [--count N] [--password-file FILE] [--cafile FILE]\n"
     "       [link options]\n"
     "Polls the live values of the instrument at each address of LIST in turn (\"1,2,7\",\n"
     "\"1-3\", \"1-3,7\"; default the link's own address) and publishes them to the MQTT broker\n"
     "at HOST (port {mqtt}, or {mqtts} with --cafile) under PREFIX/SERIAL/ (default prefix\n"
     "zorkan), SERIAL being the instrument's serial number, read when it first answers:\n"
     "a retained topic per value, one JSON message per answered poll, and an online topic\n"
     "that the broker turns offline should the publisher die. A round of polls starts every\n"
     "N ms (default 500). Runs until N rounds are done (--count), or until Ctrl+C or SIGTERM;\n"
     "then every instrument is published offline, and the exit status is 0.\n"
     "  --password-file FILE  the user name on its first line, the password on its second\n"
     "  --cafile FILE         TLS, the broker's certificate checked against the CA in FILE\n"
     "Nothing the broker sends ever reaches an instrument.\n"},
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
      {"{mqtt}", std::to_string(kMqttPort)},
      {"{mqtts}", std::to_string(kMqttTlsPort)},
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

const std::set<std::string> kValueOptions{
    "--port",          "--device", "--baud",      "--address", "--attempts", "--timeout-s",
    "--log",           "--count",  "--addresses", "--broker",  "--topic",    "--interval-ms",
    "--password-file", "--cafile", "--serial",    "--last"};
// The value options of single commands; the others are link options, which every command takes.
const std::set<std::string> kCommandValueOptions{"--count",         "--addresses",   "--broker",
                                                 "--topic",         "--interval-ms", "--cafile",
                                                 "--password-file", "--serial",      "--last"};
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

struct AddressRange {
  std::uint32_t first;
  std::uint32_t last;
};

// Network addresses as a list of single addresses and ranges: "1,2,7", "1-3", "1-3,7". The
// ranges in the order written; nullopt for an empty item, a range that runs backwards, or one of
// more addresses than a line holds.
std::optional<std::vector<AddressRange>> ParseAddressRanges(std::string_view text) {
  std::vector<AddressRange> ranges;
  for (;;) {
    const std::size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    const std::size_t dash = item.find('-');
    const auto first = ParseNumber<std::uint32_t>(item.substr(0, dash));
    const auto last =
        dash == std::string_view::npos ? first : ParseNumber<std::uint32_t>(item.substr(dash + 1));
    if (!first || !last || *first > *last || *last - *first >= kMostLineAddresses) {
      return std::nullopt;
    }
    ranges.push_back({*first, *last});
    if (comma == std::string_view::npos) return ranges;
    text.remove_prefix(comma + 1);
  }
}

// Every address of the ranges once, in the order written; nullopt beyond what a line holds.
std::optional<std::vector<std::uint32_t>> LineAddresses(const std::vector<AddressRange>& ranges) {
  std::vector<std::uint32_t> addresses;
  std::set<std::uint32_t> seen;
  for (const AddressRange& range : ranges) {
    for (std::uint64_t address = range.first; address <= range.last; ++address) {
      if (!seen.insert(static_cast<std::uint32_t>(address)).second) continue;
      if (addresses.size() == kMostLineAddresses) return std::nullopt;
      addresses.push_back(static_cast<std::uint32_t>(address));
    }
  }
  return addresses;
}

// --addresses LIST of the commands that work through a line of instruments; `addresses` stays
// empty when it is not given.
std::optional<UsageError> ParseAddressList(const std::map<std::string, std::string>& values,
                                           std::vector<std::uint32_t>& addresses) {
  const auto list = values.find("--addresses");
  if (list == values.end()) return std::nullopt;
  const auto ranges = ParseAddressRanges(list->second);
  const auto parsed = ranges ? LineAddresses(*ranges) : std::nullopt;
  if (!parsed) {
    return UsageError{"--addresses needs a list such as 1,2,7 or 1-3,7 of at most " +
                      std::to_string(kMostLineAddresses) + " addresses: " + list->second};
  }
  addresses = *parsed;
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

std::variant<PublishCommand, UsageError> ParsePublish(
    const std::map<std::string, std::string>& values) {
  PublishCommand command;
  const auto broker = values.find("--broker");
  if (broker == values.end()) return UsageError{"publish needs --broker HOST[:PORT]"};
  if (auto error = ParseBroker(broker->second, command)) return *error;
  if (const auto topic = values.find("--topic"); topic != values.end()) {
    // Wildcards name many topics; a message goes to one.
    if (topic->second.empty() || topic->second.find_first_of("+#") != std::string::npos) {
      return UsageError{"--topic needs a prefix without + or #: " + topic->second};
    }
    command.topicPrefix = topic->second;
  }
  if (auto error = ParseAddressList(values, command.addresses)) return *error;
  if (const auto interval = values.find("--interval-ms"); interval != values.end()) {
    const auto value = ParseNumber<int>(interval->second);
    if (!value || *value < 0) return UsageError{"--interval-ms needs a number of milliseconds"};
    command.intervalMs = *value;
  }
  if (const auto count = values.find("--count"); count != values.end()) {
    const auto value = ParseNumber<int>(count->second);
    if (!value || *value < 1) return UsageError{"--count needs a positive number"};
    command.count = *value;
  }
  if (const auto file = values.find("--password-file"); file != values.end()) {
    command.loginFile = file->second;
  }
  if (const auto file = values.find("--cafile"); file != values.end()) {
    command.caFile = file->second;
  }
  return command;
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
    if (auto error = expect(1, {}, {"--addresses"})) return *error;
    ReadCommand command{positional[1], {}};
    if (auto error = ParseAddressList(parser.values, command.addresses)) return *error;
    return command;
  }
  if (name == "write") {
    if (auto error = expect(1, {"--yes", "--take-defaults"}, {"--addresses"})) return *error;
    WriteCommand command;
    command.profile = positional[1];
    command.yes = parser.flags.contains("--yes");
    command.takeDefaults = parser.flags.contains("--take-defaults");
    if (auto error = ParseAddressList(parser.values, command.addresses)) return *error;
    return command;
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
    if (const auto list = parser.values.find("--addresses"); list != parser.values.end()) {
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
  if (name == "diff") {
    if (auto error = expect(1, {}, {})) return *error;
    return DiffCommand{positional[1]};
  }
  if (name == "publish") {
    if (auto error = expect(0, {},
                            {"--broker", "--topic", "--addresses", "--interval-ms", "--count",
                             "--password-file", "--cafile"})) {
      return *error;
    }
    auto command = ParsePublish(parser.values);
    if (auto* error = std::get_if<UsageError>(&command)) return *error;
    return std::get<PublishCommand>(command);
  }
  if (name == "journal" && positional.size() > 1 && positional[1] == "diff") {
    const std::size_t entries = positional.size() - 2;
    if (entries < 1 || entries > 2) return UsageError{"journal diff needs one or two entries"};
    if (auto error = expect(entries + 1, {}, {})) return *error;
    JournalDiffCommand command{positional[2], std::nullopt};
    if (positional.size() == 4) command.second = positional[3];
    return command;
  }
  if (name == "journal") {
    if (auto error = expect(0, {}, {"--serial", "--last"})) return *error;
    JournalCommand command;
    if (const auto serial = parser.values.find("--serial"); serial != parser.values.end()) {
      const auto value = ParseNumber<std::int32_t>(serial->second);
      if (!value) return UsageError{"--serial needs a serial number: " + serial->second};
      command.serialNumber = *value;
    }
    if (const auto last = parser.values.find("--last"); last != parser.values.end()) {
      const auto value = ParseNumber<std::size_t>(last->second);
      if (!value || *value < 1) return UsageError{"--last needs a positive number"};
      command.last = *value;
    }
    return command;
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
