#include "workflows/instrument_search.h"

#include <optional>
#include <string>
#include <utility>

#include "link/answer_wait.h"
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

// What the short probes of one address gave.
struct AddressProbes {
  std::optional<std::int32_t> version;
  bool heardAnything = false;
};

// The firmware version of the instrument at `address`, when it answers two probes in a row. An
// instrument slower than a probe's wait answers the probe of the next address instead, which the
// second probe, asked after that answer has come, shows up: nobody answers it.
AddressProbes ProbeAddress(DeviceLink& link, std::uint32_t address) {
  const ParameterRef firmware = FirmwareVersionParam();
  AddressProbes probes;
  for (int probe = 0; probe < 2; ++probe) {
    const ProbeAnswer answer =
        link.probeByteParam(address, firmware.space, firmware.number, link.probeWaitMs());
    probes.heardAnything = probes.heardAnything || answer.heardAnything;
    if (answer.result != kOk) return {std::nullopt, probes.heardAnything};
    probes.version = answer.value;
  }
  return probes;
}

// One more probe of an address where something was heard but no instrument confirmed: an answer
// behind noise, a slow answer or one lost answer. Once the line is quiet it waits as long as an
// ordinary answer is waited for, so it hears only its own answer, however slow.
std::optional<std::int32_t> ConfirmAfterAll(DeviceLink& link, std::uint32_t address) {
  const ParameterRef firmware = FirmwareVersionParam();
  link.awaitQuietLine(link.probeWaitMs());
  const ProbeAnswer answer =
      link.probeByteParam(address, firmware.space, firmware.number,
                          AnswerWaitLimitMs(link.parameters().replyTimeoutMs));
  if (answer.result != kOk) return std::nullopt;
  return answer.value;
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
  const auto add = [&](std::uint32_t address, std::int32_t version) {
    found.push_back({address, baudRate, FirmwareVersionText(version)});
  };
  // The address before, when nothing at all was heard there: a slow instrument there answers
  // during this address's probes.
  std::optional<std::uint32_t> silentBefore;
  // Wide enough that the last address of the 32-bit range ends the loop.
  for (std::uint64_t next = search.firstAddress; next <= search.lastAddress; ++next) {
    const auto address = static_cast<std::uint32_t>(next);
    std::string step = "Сетевой адрес ";
    step += std::to_string(address);
    progress.SetProgressStep(std::move(step));
    if (progress.CancelRequested()) return kCancelledByOperator;
    const AddressProbes probes = ProbeAddress(exchange.link, address);
    if (probes.version) {
      add(address, *probes.version);
    } else if (probes.heardAnything) {
      if (silentBefore) {
        if (const auto version = ConfirmAfterAll(exchange.link, *silentBefore)) {
          add(*silentBefore, *version);
        }
      }
      if (const auto version = ConfirmAfterAll(exchange.link, address)) add(address, *version);
    }
    silentBefore = probes.heardAnything ? std::nullopt : std::optional(address);
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
