#pragma once
// The dialog of "Сравнить с прибором…" and of the journal's comparison: the settings the
// instrument, or a journal entry, holds otherwise than the pages.

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <vector>

#include "workflows/instrument_comparison.h"

class QWidget;

namespace zorkan {

// What the table of differences says: the title, the line over the table when the two are the
// same and when they differ, and the headings of the two values.
struct DifferenceTexts {
  QString title;
  QString same;
  QString different;
  QString firstHeading;
  QString secondHeading;
};

// The texts in the language shown when they are asked for.
using DifferenceTextsMaker = std::function<DifferenceTexts()>;

// "Сравнить с прибором…": the instrument first, the pages second.
DifferenceTexts InstrumentDifferenceTexts();

// A table of the differences, each setting under the caption the pages give it.
void ShowDifferences(QWidget* parent, const std::vector<ProfileKeyDifference>& differences,
                     const DifferenceTextsMaker& texts = InstrumentDifferenceTexts);

// The context of the dialog's own texts.
class DifferencesDialog {
  Q_DECLARE_TR_FUNCTIONS(zorkan::DifferencesDialog)
};

}  // namespace zorkan
