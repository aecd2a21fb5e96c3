#include "cli/link_options.h"

#include <algorithm>
#include <cstdint>

#include "cli/number_text.h"
#include "link/link_settings.h"
#include "link/port_path.h"
#include "link/port_timing.h"

namespace zorkan::cli {

namespace {

constexpr std::string_view kLinkOptionsHelp =
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

struct LinkOption {
  std::string_view name;
  // false for a value the option does not take
  bool (*take)(std::string_view text, LinkOptions& link);
};

const LinkOption kLinkOptions[] = {
    {"--port",
     [](std::string_view text, LinkOptions& link) {
       const auto number = ParseNumber<std::uint32_t>(text);
       if (!number || !IsPortNumber(static_cast<int>(*number))) return false;
       link.portNumber = static_cast<int>(*number);
       return true;
     }},
    {"--device",
     [](std::string_view text, LinkOptions& link) {
       link.device = std::string(text);
       return true;
     }},
    {"--baud",
     [](std::string_view text, LinkOptions& link) {
       const auto number = ParseNumber<std::uint32_t>(text);
       if (!number || !PortTimingFor(*number)) return false;
       link.baudRate = *number;
       return true;
     }},
    {"--address",
     [](std::string_view text, LinkOptions& link) {
       const auto number = ParseNumber<std::uint32_t>(text);
       if (!number) return false;
       link.networkAddress = *number;
       return true;
     }},
    {"--attempts",
     [](std::string_view text, LinkOptions& link) {
       const auto number = ParseNumber<std::uint32_t>(text);
       if (!number || *number < 1 || *number > 100) return false;
       link.attempts = static_cast<int>(*number);
       return true;
     }},
    {"--timeout-s",
     [](std::string_view text, LinkOptions& link) {
       const auto number = ParseNumber<std::uint32_t>(text);
       if (!number) return false;
       link.timeoutSeconds =
           static_cast<int>(std::min(*number, static_cast<std::uint32_t>(kMaxReplyTimeoutSeconds)));
       return true;
     }},
    {"--log",
     [](std::string_view text, LinkOptions& link) {
       link.logFile = std::string(text);
       return true;
     }},
};

const LinkOption* FindLinkOption(std::string_view name) {
  const auto found = std::ranges::find(kLinkOptions, name, &LinkOption::name);
  return found == std::end(kLinkOptions) ? nullptr : found;
}

}  // namespace

bool IsLinkOption(std::string_view option) {
  return FindLinkOption(option) != nullptr;
}

std::vector<std::string_view> LinkOptionNames() {
  std::vector<std::string_view> names;
  for (const LinkOption& option : kLinkOptions) names.push_back(option.name);
  return names;
}

std::optional<UsageError> ParseLinkOptions(const std::map<std::string, std::string>& values,
                                           LinkOptions& link) {
  for (const auto& [name, text] : values) {
    const LinkOption* option = FindLinkOption(name);
    if (option != nullptr && !option->take(text, link)) {
      return UsageError{"bad value for " + name + ": " + text};
    }
  }
  return std::nullopt;
}

std::string_view LinkOptionsHelp() {
  return kLinkOptionsHelp;
}

}  // namespace zorkan::cli
