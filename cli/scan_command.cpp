// scan: the search for the instrument, through the same workflow as the window's.
#include <cstdio>

#include "cli/commands.h"
#include "workflows/instrument_search.h"
#include "workflows/model_view.h"

namespace zorkan::cli {

int RunScan(const ScanCommand& command, Session& session) {
  if (!session.openPort()) return session.finish(kNoAnswer);
  InstrumentSearch search{command.firstAddress, command.lastAddress, {}};
  if (!command.everyBaudRate) search.baudRates = {session.link().baudRate()};
  // The search takes nothing from the pages and shows nothing on them.
  DeviceSettings settings;
  ModelView view(settings);
  Workbench bench = session.workbench(settings, view);
  const InstrumentSearchResult result = FindInstruments(bench, search);
  for (const FoundInstrument& instrument : result.found) {
    std::printf("%u\t%u\t%s\n", static_cast<unsigned>(instrument.networkAddress),
                static_cast<unsigned>(instrument.baudRate), instrument.firmwareVersion.c_str());
  }
  return session.finish(result.result);
}

}  // namespace zorkan::cli
