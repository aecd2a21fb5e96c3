// scan: the search for the instrument, through the same workflow as the window's.
#include <cstdio>

#include "cli/commands.h"
#include "workflows/instrument_search.h"

namespace zorkan::cli {

int RunScan(const ScanCommand& command, Session& session) {
  if (!session.openPort()) return session.finish(kNoAnswer);
  InstrumentSearch search{command.firstAddress, command.lastAddress, {}};
  if (!command.everyBaudRate) search.baudRates = {session.link().baudRate()};
  ExchangeContext exchange = session.exchange();
  const InstrumentSearchResult result = FindInstruments(exchange, search);
  for (const FoundInstrument& instrument : result.found) {
    std::printf("%u\t%u\t%s\n", static_cast<unsigned>(instrument.networkAddress),
                static_cast<unsigned>(instrument.baudRate), instrument.firmwareVersion.c_str());
  }
  return session.finish(result.result);
}

}  // namespace zorkan::cli
