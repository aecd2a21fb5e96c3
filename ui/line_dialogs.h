#pragma once
// The dialogs of a line of instruments: what a search found, to pick the instrument to work with
// or the instruments to write, and each instrument's result of a write.

#include <optional>
#include <vector>

#include "workflows/instrument_search.h"
#include "workflows/line_transfer.h"

class QWidget;

namespace zorkan {

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
