// scan: the search for the instruments on the line, through the same workflow as the window's.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/json_text.h"
#include "settings/enumerations.h"
#include "workflows/instrument_search.h"

namespace zorkan::cli {

int RunScan(const ScanCommand& command, Session& session) {
  if (const auto refused = session.open()) return *refused;
  InstrumentSearch search{command.firstAddress, command.lastAddress, {}};
  if (!command.everyBaudRate) search.baudRates = {session.link().baudRate()};
  ExchangeContext exchange = session.exchange();
  const InstrumentSearchResult result = FindInstruments(exchange, search);
  std::vector<std::string> instruments;
  for (const FoundInstrument& instrument : result.found) {
    const InstrumentIdentity& identity = instrument.identity;
    const std::string deviceType = DeviceTypeText(identity.deviceType);
    const std::string firmware = FirmwareVersionText(identity.firmwareVersion);
    if (command.json) {
      instruments.push_back(JsonObject()
                                .integer("address", instrument.place.networkAddress)
                                .integer("baudRate", instrument.place.baudRate)
                                .integer("serialNumber", identity.serialNumber)
                                .string("deviceType", deviceType)
                                .string("firmwareVersion", firmware)
                                .text());
    } else {
      std::printf("%u\t%u\t%d\t%s\t%s\n", static_cast<unsigned>(instrument.place.networkAddress),
                  static_cast<unsigned>(instrument.place.baudRate), identity.serialNumber,
                  deviceType.c_str(), firmware.c_str());
    }
  }
  std::vector<std::string> duplicates;
  for (const LinePlace& place : result.probableDuplicates) {
    Tell("address " + std::to_string(place.networkAddress) + " at " +
         std::to_string(place.baudRate) + " baud probably holds more than one instrument (\"" +
         ProbableDuplicateText(place) + "\")");
    duplicates.push_back(JsonObject()
                             .integer("address", place.networkAddress)
                             .integer("baudRate", place.baudRate)
                             .text());
  }
  if (command.json) {
    std::printf("%s\n", JsonObject()
                            .json("instruments", JsonArray(instruments))
                            .json("probableDuplicates", JsonArray(duplicates))
                            .text()
                            .c_str());
  }
  return session.finish(result.result);
}

}  // namespace zorkan::cli
