#pragma once
// Finding the instruments on the line. When dev.dat names another network address or baud rate
// than the instrument has, every exchange ends with "the instrument did not answer"; the search
// asks each address of a range at each baud rate for the firmware version, a read that changes
// nothing, lists every instrument that answers with its identity, and names the addresses where
// two instruments seem to answer at once. The window and zorkan-cli both run it.

#include <cstdint>
#include <string>
#include <vector>

#include "link/link_error.h"
#include "workflows/exchange_context.h"
#include "workflows/instrument_identity.h"

namespace zorkan {

struct InstrumentSearch {
  std::uint32_t firstAddress = 1;
  std::uint32_t lastAddress = 32;
  // Rates of the link's table (PortTimings) in the order tried; empty: all of them, slowest first.
  std::vector<std::uint32_t> baudRates;
};

// Where an instrument answers on the line.
struct LinePlace {
  std::uint32_t networkAddress;
  std::uint32_t baudRate;
  bool operator==(const LinePlace&) const = default;
};

struct FoundInstrument {
  LinePlace place;
  InstrumentIdentity identity;
  bool operator==(const FoundInstrument&) const = default;
};

struct InstrumentSearchResult {
  // kOk when an instrument answered, kNoAnswer when none did (or the port is not open),
  // kCancelledByOperator when Escape stopped the search.
  LinkError result = kNoAnswer;
  std::vector<FoundInstrument> found;  // in the order found, a stopped search's too
  // Addresses whose answers kept arriving garbled although the line was quiet before each probe:
  // most likely two instruments left at one address, whose answers overlap. Never in `found`.
  std::vector<LinePlace> probableDuplicates;
};

// What the search asks: "адреса 1–32, 4800, 9600, 19200, 38400, 57600 бод".
std::string SearchedText(const InstrumentSearch& search);

// "Возможно, несколько приборов на адресе N".
std::string ProbableDuplicateText(const LinePlace& place);

// Searches on the link's open port, each address with probes of a few character times
// (DeviceLink::probeByteParam): two where the first is answered, one more in a second round where
// nothing at all was heard, and where something was heard without a clean answer, a careful probe
// after the line has gone quiet. An instrument found has its identity read at once
// with the link's attempts and reply time-out; one whose identity cannot be read is not listed.
// The exchange controls are locked meanwhile; the progress panel shows the baud rate (and which
// of the rates it is) as its heading and how far the addresses have got as its step, and Escape
// stops the search between two addresses (an Escape pressed before the start does not). At the end
// the port is open at its own baud rate again, and the link parameters are as they were. Nothing is
// shown but the box of a port that will not open at a rate: the caller lists what was found, or
// reports the code.
InstrumentSearchResult FindInstruments(ExchangeContext& exchange, const InstrumentSearch& search);

}  // namespace zorkan
