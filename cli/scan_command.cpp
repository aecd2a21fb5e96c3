// scan: the search for the instruments on the line, through the same workflow as the window's.
#include <cstdio>

#include "cli/commands.h"
#include "settings/enumerations.h"
#include "workflows/instrument_search.h"

namespace zorkan::cli {

int RunScan(const ScanCommand& command, Session& session) {
  if (!session.openPort()) return session.finish(kNoAnswer);
  InstrumentSearch search{command.firstAddress, command.lastAddress, {}};
  if (!command.everyBaudRate) search.baudRates = {session.link().baudRate()};
  ExchangeContext exchange = session.exchange();
  const InstrumentSearchResult result = FindInstruments(exchange, search);
  for (const FoundInstrument& instrument : result.found) {
    const InstrumentIdentity& identity = instrument.identity;
    std::printf("%u\t%u\t%d\t%s\t%s\n", static_cast<unsigned>(instrument.place.networkAddress),
                static_cast<unsigned>(instrument.place.baudRate), identity.serialNumber,
                DeviceTypeText(identity.deviceType).c_str(),
                FirmwareVersionText(identity.firmwareVersion).c_str());
  }
  for (const LinePlace& place : result.probableDuplicates) {
    std::fprintf(stderr, "%s (%u бод)\n", ProbableDuplicateText(place).c_str(),
                 static_cast<unsigned>(place.baudRate));
  }
  return session.finish(result.result);
}

}  // namespace zorkan::cli
