#pragma once
// The dialogs of a line of instruments: what a search found, to pick the instrument to work with
// or the instruments to write, and each instrument's result of a write.

#include <cstdint>
#include <optional>
#include <vector>

#include "workflows/instrument_search.h"
#include "workflows/line_transfer.h"

class QWidget;

namespace zorkan {

// Before a search: at dev.dat's baud rate `ownBaudRate` only, or at every rate of the link, the
// choice made last time (`everyRate`) offered first and kept for the next time. The search of
// the default address range at the rates chosen; nullopt when the dialog was cancelled.
std::optional<InstrumentSearch> ChooseSearch(QWidget* parent, std::uint32_t ownBaudRate,
                                             bool& everyRate);

// One row per instrument found, the probable duplicates named below; nullopt when the dialog was
// cancelled or nothing was found.
std::optional<FoundInstrument> ChooseInstrument(QWidget* parent,
                                                const InstrumentSearchResult& search);

// The same rows with check boxes, all checked at first; the places of those left checked, none
// when the dialog was cancelled.
std::vector<LinePlace> ChooseInstrumentsToWrite(QWidget* parent,
                                                const InstrumentSearchResult& search);

// A row per instrument of the write: its place, serial number and result.
void ShowLineResults(QWidget* parent, const LineTransfer& line);

}  // namespace zorkan
