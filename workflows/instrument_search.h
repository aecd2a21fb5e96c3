#pragma once
// Finding the instrument on the line. When dev.dat names another network address or baud rate
// than the instrument has, every exchange ends with "the instrument did not answer"; the search
// asks each address of a range at each baud rate for the firmware version, a read that changes
// nothing, and lists every instrument that answers. The window and zorkan-cli both run it.

#include <cstdint>
#include <string>
#include <vector>

#include "link/link_error.h"
#include "workflows/exchange_context.h"

namespace zorkan {

struct InstrumentSearch {
  std::uint32_t firstAddress = 1;
  std::uint32_t lastAddress = 32;
  // Rates of the link's table (PortTimings) in the order tried; empty: all of them, slowest first.
  std::vector<std::uint32_t> baudRates;
};

struct FoundInstrument {
  std::uint32_t networkAddress;
  std::uint32_t baudRate;
  std::string firmwareVersion;  // as the pages show it: "1.1.2"
  bool operator==(const FoundInstrument&) const = default;
};

struct InstrumentSearchResult {
  // kOk when an instrument answered, kNoAnswer when none did (or the port is not open),
  // kCancelledByOperator when Escape stopped the search.
  LinkError result = kNoAnswer;
  std::vector<FoundInstrument> found;  // in the order found, a stopped search's too
};

// Searches on the link's open port, each address with one probe of a few character times
// (DeviceLink::probeByteParam). The exchange controls are locked meanwhile; the progress panel
// shows the baud rate as its heading and the address as its step, and Escape stops the search
// between two probes (an Escape pressed before the start does not). At the end the port is open
// at its own baud rate again, and the link parameters are as they were. Nothing is shown: the
// caller lists what was found, or reports the code.
InstrumentSearchResult FindInstruments(ExchangeContext& exchange, const InstrumentSearch& search);

}  // namespace zorkan
