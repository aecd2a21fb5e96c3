#pragma once
// The dialogs of the menu items that reach beyond the pages: the instruments a search found, to
// pick one of, and the settings the instrument holds otherwise than the pages.

#include <optional>
#include <vector>

#include "workflows/instrument_comparison.h"
#include "workflows/instrument_search.h"

class QWidget;

namespace zorkan {

// The instrument the operator picked; nullopt when the dialog was cancelled.
std::optional<FoundInstrument> ChooseInstrument(QWidget* parent,
                                                const std::vector<FoundInstrument>& found);

// A table of the differences, each setting under the caption the pages give it.
void ShowDifferences(QWidget* parent, const std::vector<ProfileKeyDifference>& differences);

}  // namespace zorkan
