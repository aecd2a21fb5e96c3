#include "workflows/instrument_search.h"

#include <deque>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "link/answer_wait.h"
#include "link/link_at_instrument.h"
#include "link/port_timing.h"
#include "operator/link_messages.h"
#include "operator/operator_text.h"
#include "settings/parameter_map.h"

namespace zorkan {

namespace {

const ProgressLines kSearchLines{
    OPERATOR_TEXT("Поиск прибора"), "", "", "", "", OPERATOR_TEXT("Для прекращения нажмите ESC")};

std::vector<std::uint32_t> RatesOf(const InstrumentSearch& search) {
  if (!search.baudRates.empty()) return search.baudRates;
  std::vector<std::uint32_t> rates;
  for (const PortTiming& timing : PortTimings()) rates.push_back(timing.baudRate);
  return rates;
}

ProbeAnswer ProbeFirmwareVersion(DeviceLink& link, std::uint32_t address) {
  const ParameterRef firmware = FirmwareVersionParam();
  return link.probeByteParam(address, firmware.space, firmware.number);
}

ProbeAnswer ProbeFirmwareVersion(DeviceLink& link, std::uint32_t address, std::int64_t waitMs) {
  const ParameterRef firmware = FirmwareVersionParam();
  return link.probeByteParam(address, firmware.space, firmware.number, waitMs);
}

// Whether the short probes of one address met an instrument.
struct AddressProbes {
  bool answered = false;
  bool heardAnything = false;
};

// An instrument answers two probes in a row. One slower than a probe's wait answers the probe of
// the next address instead, which the second probe, asked after that answer has come, shows up:
// nobody answers it.
AddressProbes ProbeAddress(DeviceLink& link, std::uint32_t address) {
  AddressProbes probes;
  for (int probe = 0; probe < 2; ++probe) {
    const ProbeAnswer answer = ProbeFirmwareVersion(link, address);
    probes.heardAnything = probes.heardAnything || answer.heardAnything;
    if (answer.result != kOk) return probes;
  }
  probes.answered = true;
  return probes;
}

enum class CarefulAnswer { Answered, Garbled, Silent };

// One more probe of an address where something was heard but no instrument confirmed: an answer
// behind noise, a slow answer, one lost answer, or two instruments answering at once. Once the
// line is quiet it waits as long as an ordinary answer is waited for, so that what it hears is
// its own answer, however slow: garbage then came from that address itself.
CarefulAnswer ProbeCarefully(DeviceLink& link, std::uint32_t address) {
  const bool quiet = link.awaitQuietLine(link.probeWaitMs());
  const ProbeAnswer answer =
      ProbeFirmwareVersion(link, address, AnswerWaitLimitMs(link.parameters().replyTimeoutMs));
  if (answer.result == kOk) return CarefulAnswer::Answered;
  return quiet && answer.heardAnything ? CarefulAnswer::Garbled : CarefulAnswer::Silent;
}

// The addresses of the search at the rate the port is open at.
class RateSearch {
 public:
  RateSearch(ExchangeContext& exchange, InstrumentSearchResult& outcome)
      : link_(exchange.link), outcome_(outcome), baudRate_(exchange.link.baudRate()) {}

  // false when the short probes heard nothing at all.
  bool searchAddress(std::uint32_t address) {
    const AddressProbes probes = ProbeAddress(link_, address);
    if (!probes.heardAnything) {
      std::erase(recentSilent_, address);
      if (recentSilent_.size() == kStrayAnswerReach) recentSilent_.pop_front();
      recentSilent_.push_back(address);
      return false;
    }
    if (probes.answered) {
      identify(address);
    } else {
      searchRecentSilent();
      searchCarefully(address);
    }
    recentSilent_.clear();
    return true;
  }

  // Asked carefully already: a second round has nothing to add.
  bool searchedCarefully(std::uint32_t address) const {
    return searchedCarefully_.contains(address);
  }

 private:
  // A slow instrument at an address that seemed silent answers during the probes of one of the
  // next ones, the oldest first.
  void searchRecentSilent() {
    for (const std::uint32_t address : recentSilent_) {
      searchedCarefully_.insert(address);
      if (ProbeCarefully(link_, address) == CarefulAnswer::Answered) {
        identify(address);
        return;
      }
    }
  }

  // Garbage twice more, each time after a quiet line, is no noise that happened to pass.
  void searchCarefully(std::uint32_t address) {
    switch (ProbeCarefully(link_, address)) {
      case CarefulAnswer::Answered:
        identify(address);
        break;
      case CarefulAnswer::Garbled:
        if (ProbeCarefully(link_, address) == CarefulAnswer::Garbled) {
          outcome_.probableDuplicates.push_back({address, baudRate_});
        }
        break;
      case CarefulAnswer::Silent:
        break;
    }
  }

  void identify(std::uint32_t address) {
    InstrumentIdentity identity;
    if (ReadInstrumentIdentity(link_, address, identity) == kOk) {
      outcome_.found.push_back({{address, baudRate_}, identity});
    }
  }

  // A silent probe ends once no answer has begun, at about half of a probe's wait: an answer as
  // late as twice that wait arrives during the probe of one of the next three silent addresses.
  static constexpr std::size_t kStrayAnswerReach = 3;

  DeviceLink& link_;
  InstrumentSearchResult& outcome_;
  const std::uint32_t baudRate_;
  // The last addresses probed, in order, where nothing at all was heard since something last was.
  std::deque<std::uint32_t> recentSilent_;
  std::set<std::uint32_t> searchedCarefully_;
};

// How far the search has got: "Сетевой адрес 12 из 32, 9600 бод", and in a range that does not
// start at 1, the place in it: "Сетевой адрес 7 (3 из 6), 9600 бод".
std::string AddressStep(const InstrumentSearch& search, std::uint32_t address,
                        std::uint32_t baudRate) {
  const std::uint64_t count = std::uint64_t{search.lastAddress} - search.firstAddress + 1;
  if (search.firstAddress == 1) {
    return FillText(OPERATOR_TEXT("Сетевой адрес %1 из %2, %3 бод"), address, count, baudRate);
  }
  return FillText(OPERATOR_TEXT("Сетевой адрес %1 (%2 из %3), %4 бод"), address,
                  address - search.firstAddress + 1, count, baudRate);
}

// Every address of the search at the rate the port is open at, the `rateNumber`th of `rates`;
// kOk or kCancelledByOperator. A lost answer says nothing, so every address where nothing at all
// was heard is asked again in a second round, once a round's time has passed: asked twice in a
// row, a slow instrument would answer both probes of the next address, which would pass for an
// instrument there.
LinkError SearchAtOneRate(ExchangeContext& exchange, const InstrumentSearch& search,
                          std::size_t rateNumber, std::size_t rates,
                          InstrumentSearchResult& outcome) {
  Progress& progress = exchange.progress;
  const std::uint32_t baudRate = exchange.link.baudRate();
  progress.setProgressHeading(rates > 1
                                  ? FillText(OPERATOR_TEXT("Скорость обмена %1 бод (%2 из %3)"),
                                             baudRate, rateNumber, rates)
                                  : FillText(OPERATOR_TEXT("Скорость обмена %1 бод"), baudRate));
  const auto stopped = [&](std::uint32_t address) {
    progress.SetProgressStep(AddressStep(search, address, baudRate));
    return progress.CancelRequested();
  };
  RateSearch rate(exchange, outcome);
  std::vector<std::uint32_t> silent;
  // Wide enough that the last address of the 32-bit range ends the loop.
  for (std::uint64_t next = search.firstAddress; next <= search.lastAddress; ++next) {
    const auto address = static_cast<std::uint32_t>(next);
    if (stopped(address)) return kCancelledByOperator;
    if (!rate.searchAddress(address)) silent.push_back(address);
  }
  for (const std::uint32_t address : silent) {
    if (rate.searchedCarefully(address)) continue;
    if (stopped(address)) return kCancelledByOperator;
    rate.searchAddress(address);
  }
  return kOk;
}

}  // namespace

std::string SearchedText(const InstrumentSearch& search) {
  const std::vector<std::uint32_t> rates = RatesOf(search);
  std::string rateList;
  for (std::size_t i = 0; i < rates.size(); ++i) {
    if (i > 0) rateList += ", ";
    rateList += std::to_string(rates[i]);
  }
  return FillText(OPERATOR_TEXT("адреса %1–%2, %3 бод"), search.firstAddress, search.lastAddress,
                  rateList);
}

std::string ProbableDuplicateText(const LinePlace& place) {
  return FillText(OPERATOR_TEXT("Возможно, несколько приборов на адресе %1"), place.networkAddress);
}

InstrumentSearchResult FindInstruments(ExchangeContext& exchange, const InstrumentSearch& search) {
  InstrumentSearchResult outcome;
  DeviceLink& link = exchange.link;
  if (!link.isOpen()) return outcome;
  exchange.latch.ResetCancel();
  const ExchangeControlsLock locked(exchange.controls);
  Progress& progress = exchange.progress;
  progress.SetProgressLines(kSearchLines);
  progress.ShowProgress();
  LinkAtInstrument atRate(link);
  bool cancelled = false;
  const std::vector<std::uint32_t> rates = RatesOf(search);
  for (std::size_t i = 0; i < rates.size() && !cancelled; ++i) {
    // Nothing more is heard on a port that cannot be opened at a rate.
    if (!atRate.moveToRate(rates[i])) {
      ReportPortNotOpened(exchange.dialogs);
      break;
    }
    cancelled =
        SearchAtOneRate(exchange, search, i + 1, rates.size(), outcome) == kCancelledByOperator;
  }
  if (!atRate.giveBack()) ReportPortNotOpened(exchange.dialogs);
  progress.HideProgress();
  if (cancelled) {
    outcome.result = kCancelledByOperator;
  } else if (!outcome.found.empty()) {
    outcome.result = kOk;
  }
  return outcome;
}

}  // namespace zorkan
