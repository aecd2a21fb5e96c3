#pragma once
// The dialog of "Сравнить с прибором…": the settings the instrument holds otherwise than the
// pages.

#include <vector>

#include "workflows/instrument_comparison.h"

class QWidget;

namespace zorkan {

// A table of the differences, each setting under the caption the pages give it.
void ShowDifferences(QWidget* parent, const std::vector<ProfileKeyDifference>& differences);

}  // namespace zorkan
