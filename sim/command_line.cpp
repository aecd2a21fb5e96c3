#include "sim/command_line.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <string>

#include "sim/fault_text.h"
#include "sim/line_speed.h"
#include "sim/plant_text.h"

namespace zorkan::sim {

namespace {

template <typename Number>
std::optional<Number> Unsigned(std::string_view text, Number max) {
  Number value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (text.empty() || result.ec != std::errc() || result.ptr != end || value > max) {
    return std::nullopt;
  }
  return value;
}

// "1,2,7": the first instrument's address and the further ones.
bool ParseAddresses(std::string_view text, SimulatorOptions& options) {
  std::optional<std::uint32_t> first;
  AddressList more;
  for (;;) {
    const auto comma = text.find(',');
    const auto address = Unsigned(text.substr(0, comma), std::numeric_limits<std::uint32_t>::max());
    if (!address) return false;
    if (!first) {
      first = address;
    } else if (!more.add(*address)) {
      return false;
    }
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  options.networkAddress = *first;
  options.moreAddresses = more;
  return true;
}

constexpr std::string_view kValueOptions[] = {"--dir",     "--name",  "--baud",  "--turnaround-ms",
                                              "--address", "--fault", "--plant", "--seed"};

}  // namespace

std::variant<CommandLine, std::string> ParseCommandLine(std::span<const std::string_view> args) {
  CommandLine line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view option = args[i];
    if (option == "--help") {
      line.help = true;
      continue;
    }
    if (std::find(std::begin(kValueOptions), std::end(kValueOptions), option) ==
        std::end(kValueOptions)) {
      return "unknown option " + std::string(option);
    }
    if (i + 1 == args.size()) return std::string(option) + " needs a value";
    const std::string_view value = args[++i];
    const std::string bad = "bad value for " + std::string(option) + ": " + std::string(value);
    if (option == "--dir") {
      if (value.empty()) return bad;
      line.dir = value;
    } else if (option == "--name") {
      if (value.empty() || value.find('/') != std::string_view::npos) return bad;
      line.name = value;
    } else if (option == "--baud") {
      const auto baud = Unsigned(value, std::numeric_limits<std::uint32_t>::max());
      if (!baud || (*baud != 0 && TermiosSpeedOf(*baud) == B0)) return bad;
      line.options.baudRate = *baud;
    } else if (option == "--turnaround-ms") {
      const auto turnaround = Unsigned(value, std::uint32_t{60'000});
      if (!turnaround) return bad;
      line.options.turnaroundMs = static_cast<int>(*turnaround);
    } else if (option == "--address") {
      if (!ParseAddresses(value, line.options)) return bad;
    } else if (option == "--fault") {
      const auto fault = ParseFault(value);
      if (!fault) return bad;
      line.faults.push_back(*fault);
    } else if (option == "--plant") {
      if (const auto problem = ApplyPlantText(value, line.options.plant)) return *problem;
    } else if (option == "--seed") {
      const auto seed = Unsigned(value, std::numeric_limits<std::uint64_t>::max());
      if (!seed) return bad;
      line.options.plant.seed = *seed;
    }
  }
  return line;
}

std::string UsageText() {
  std::string text =
      "Usage: zorkan-sim [options]\n"
      "Simulates 740 НР PID regulators on one line, on a pseudo-terminal, until SIGINT or\n"
      "SIGTERM.\n"
      "\n"
      "  --dir D            folder for the link to the pty (default .)\n"
      "  --name NAME        name of the link (default COM1)\n"
      "  --baud N           the one line speed understood, and the pace of the answers;\n"
      "                     0: every speed, no pacing (default 9600)\n"
      "  --turnaround-ms N  pause between a request and its answer (default 2)\n"
      "  --address LIST     network addresses of the instruments on the line, separated\n"
      "                     by commas, e.g. 1,2,7 (default 1; at most ";
  text += std::to_string(AddressList::kCapacity + 1);
  text +=
      ").\n"
      "                     Each instrument has its own parameters and heated object.\n"
      "                     Serial numbers follow the addresses: 12345 at address 1,\n"
      "                     12346 at 2, 12351 at 7. An address listed twice holds two\n"
      "                     instruments whose answers collide on the line and arrive as\n"
      "                     garbage. Requests for other addresses go unanswered.\n"
      "  --fault FAULT      switch a fault on, on every instrument unless ADDRESS/ limits\n"
      "                     it; may be repeated\n"
      "  --plant PLANT      the heated object of each instrument (default: one lag of 90 s,\n"
      "                     no dead time)\n"
      "  --seed N           of the plant's noise (default 1); the n-th instrument of the\n"
      "                     line draws from N + n - 1\n"
      "  --help             this text\n"
      "\n"
      "FAULT:\n";
  return text + kFaultTextHelp + "\nPLANT:\n" + kPlantTextHelp;
}

}  // namespace zorkan::sim
