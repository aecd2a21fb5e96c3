#pragma once
// The dialogs of the menu items that reach beyond the pages: the instruments a search found, to
// pick one of, and the settings the instrument (or a journal entry) holds otherwise than the pages.

#include <QString>
#include <optional>
#include <vector>

#include "workflows/instrument_comparison.h"
#include "workflows/instrument_search.h"

class QWidget;

namespace zorkan {

// The instrument the operator picked; nullopt when the dialog was cancelled.
std::optional<FoundInstrument> ChooseInstrument(QWidget* parent,
                                                const std::vector<FoundInstrument>& found);

// What the table of differences says: the title, the line over the table when the two are the
// same and when they differ, and the headings of the two values.
struct DifferenceTexts {
  QString title;
  QString same;
  QString different;
  QString firstHeading;
  QString secondHeading;
};

// "Сравнить с прибором…": the instrument first, the pages second.
extern const DifferenceTexts kInstrumentDifferenceTexts;

// A table of the differences, each setting under the caption the pages give it.
void ShowDifferences(QWidget* parent, const std::vector<ProfileKeyDifference>& differences,
                     const DifferenceTexts& texts = kInstrumentDifferenceTexts);

}  // namespace zorkan
