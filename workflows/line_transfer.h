#pragma once
// A line of instruments configured in one pass: each instrument in turn read into a model of its
// own, or written with the same settings. Each instrument goes through the very workflow of the
// window's read or write button (so it leaves what a single read or write leaves), with the link
// switched to its network address and baud rate, and given back at the end. The window and
// zorkan-cli both run these.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "settings/device_settings.h"
#include "workflows/exchange_context.h"
#include "workflows/instrument_search.h"
#include "workflows/settings_view.h"

namespace zorkan {

// What the operation did with one instrument.
struct InstrumentTransfer {
  LinePlace place;
  std::optional<std::int32_t> serialNumber;  // once read
  std::optional<LinkError> result;           // nullopt: the operation stopped before it
};

struct LineTransfer {
  std::vector<InstrumentTransfer> instruments;  // in the order given
  LinkError result = kOk;                       // the first failure's code
};

struct LineRead {
  LineTransfer transfer;
  // The model of each instrument, in the same order: as far as it was read.
  std::vector<DeviceSettings> settings;
};

// Each instrument read as "Прочитать из прибора" reads it, into a model that starts as `start`
// and goes through the pages' rules as a read into the window would (HeadlessPages). A failed
// instrument does not stop the others. Escape stops the line where it stops the button's read
// (the instrument being read then fails with kCancelledByOperator) and between two instruments.
// The progress panel names the instrument in its step line throughout; nothing is shown besides.
LineRead ReadLineOfInstruments(ExchangeContext& exchange, std::span<const LinePlace> places,
                               const DeviceSettings& start);

// Each instrument written as "Записать в прибор" writes it, with the settings `pages` show: the
// checks run for every instrument, but each question is asked at the first one only. An
// instrument whose identity (InstrumentIdentity) cannot be read first is not written: its result
// is that read's code. A refused check stops the line before anything is written; Escape stops
// it where it stops the button's write, and between two instruments. A failed instrument does not
// stop the others. No result is shown: the caller shows the instruments' results.
LineTransfer WriteLineOfInstruments(ExchangeContext& exchange, std::span<const LinePlace> places,
                                    DeviceSettings& settings, SettingsView& pages);

// What the progress panel calls an instrument: "Адрес 2", "Адрес 2, № 12346".
std::string InstrumentName(const InstrumentTransfer& instrument);

// "Записан", the failure's message, or "Не записан" when the write stopped before it.
std::string WriteOutcomeText(const InstrumentTransfer& instrument);

}  // namespace zorkan
