#pragma once
// F1, "Справка": the operator's short guide to the window, its keys and its files.

class QWidget;

namespace zorkan {

void ShowHelp(QWidget* parent);

}  // namespace zorkan
