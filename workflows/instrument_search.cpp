#include "workflows/instrument_search.h"

#include <optional>
#include <string>
#include <utility>

#include "link/port_timing.h"
#include "settings/enumerations.h"
#include "settings/parameter_map.h"

namespace zorkan {

namespace {

const ProgressLines kSearchLines{"Поиск прибора", "", "", "", "", "Для прекращения нажмите ESC"};

std::vector<std::uint32_t> RatesOf(const InstrumentSearch& search) {
  if (!search.baudRates.empty()) return search.baudRates;
  std::vector<std::uint32_t> rates;
  for (const PortTiming& timing : PortTimings()) rates.push_back(timing.baudRate);
  return rates;
}

// The firmware version of the instrument at `address`, when it answers two probes in a row. An
// instrument slower than a probe's wait answers the probe of the next address instead, which the
// second probe, asked after that answer has come, shows up: nobody answers it.
std::optional<std::int32_t> FirmwareVersionAt(DeviceLink& link, std::uint32_t address) {
  const ParameterRef firmware = FirmwareVersionParam();
  std::int32_t version = 0;
  for (int probe = 0; probe < 2; ++probe) {
    if (link.probeByteParam(address, firmware.space, firmware.number, version) != kOk) {
      return std::nullopt;
    }
  }
  return version;
}

// Every address of the search at the rate the port is open at; kOk or kCancelledByOperator.
LinkError SearchAtOneRate(ExchangeContext& exchange, const InstrumentSearch& search,
                          std::vector<FoundInstrument>& found) {
  Progress& progress = exchange.progress;
  const std::uint32_t baudRate = exchange.link.baudRate();
  std::string heading = "Скорость обмена ";
  heading += std::to_string(baudRate);
  heading += " бод";
  progress.setProgressHeading(std::move(heading));
  // Wide enough that the last address of the 32-bit range ends the loop.
  for (std::uint64_t address = search.firstAddress; address <= search.lastAddress; ++address) {
    std::string step = "Сетевой адрес ";
    step += std::to_string(address);
    progress.SetProgressStep(std::move(step));
    if (progress.CancelRequested()) return kCancelledByOperator;
    const auto networkAddress = static_cast<std::uint32_t>(address);
    if (const auto version = FirmwareVersionAt(exchange.link, networkAddress)) {
      found.push_back({networkAddress, baudRate, FirmwareVersionText(*version)});
    }
  }
  return kOk;
}

}  // namespace

InstrumentSearchResult FindInstruments(ExchangeContext& exchange, const InstrumentSearch& search) {
  InstrumentSearchResult outcome;
  DeviceLink& link = exchange.link;
  if (!link.isOpen()) return outcome;
  exchange.latch.ResetCancel();
  exchange.controls.LockExchangeControls();
  Progress& progress = exchange.progress;
  progress.SetProgressLines(kSearchLines);
  progress.ShowProgress();
  const std::uint32_t ownBaudRate = link.baudRate();
  bool cancelled = false;
  for (const std::uint32_t baudRate : RatesOf(search)) {
    // A port that cannot be opened at a rate was reported by the link; nothing more is heard.
    if (baudRate != link.baudRate() && !link.reopenAt(baudRate)) break;
    cancelled = SearchAtOneRate(exchange, search, outcome.found) == kCancelledByOperator;
    if (cancelled) break;
  }
  if (link.baudRate() != ownBaudRate || !link.isOpen()) link.reopenAt(ownBaudRate);
  progress.HideProgress();
  exchange.controls.UnlockExchangeControls();
  if (cancelled) {
    outcome.result = kCancelledByOperator;
  } else if (!outcome.found.empty()) {
    outcome.result = kOk;
  }
  return outcome;
}

}  // namespace zorkan
