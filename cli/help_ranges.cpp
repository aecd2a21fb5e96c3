#include "cli/help_ranges.h"

#include <string_view>
#include <utility>

#include "cli/exit_status.h"
#include "link/frame.h"
#include "link/link_settings.h"
#include "link/port_path.h"
#include "link/port_timing.h"
#include "publish/broker_settings.h"
#include "workflows/instrument_search.h"

namespace zorkan::cli {

std::string FillInRanges(std::string text) {
  std::string bauds;
  const auto timings = PortTimings();
  for (std::size_t i = 0; i < timings.size(); ++i) {
    if (i > 0) bauds += i + 1 == timings.size() ? " or " : ", ";
    bauds += std::to_string(timings[i].baudRate);
  }
  const InstrumentSearch defaultSearch;
  const std::pair<std::string_view, std::string> values[] = {
      {"{ports}", std::to_string(kFirstPortNumber) + ".." + std::to_string(kLastPortNumber)},
      {"{bauds}", bauds},
      {"{numbers}", "0.." + std::to_string(kMaxParameterNumber)},
      {"{longest}", std::to_string(kMaxReplyTimeoutSeconds)},
      {"{addresses}", std::to_string(defaultSearch.firstAddress) + "-" +
                          std::to_string(defaultSearch.lastAddress)},
      {"{differ}", std::to_string(kExitDiffers)},
      {"{unopened}", std::to_string(kExitPortUnavailable)},
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

}  // namespace zorkan::cli
