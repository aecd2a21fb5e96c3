#pragma once
// Rows of plain text in the tables the dialogs show, and columns that fit them.

#include <QStringList>
#include <QTableWidget>

namespace zorkan {

inline void SetTableRow(QTableWidget& table, int row, const QStringList& cells) {
  for (int column = 0; column < cells.size(); ++column) {
    table.setItem(row, column, new QTableWidgetItem(cells[column]));
  }
}

// Each column as wide as its widest text, with room to spare for the bold header the style draws.
inline void FitColumns(QTableWidget& table) {
  constexpr int kHeaderMargin = 12;
  table.resizeColumnsToContents();
  for (int column = 0; column < table.columnCount(); ++column) {
    table.setColumnWidth(column, table.columnWidth(column) + kHeaderMargin);
  }
}

}  // namespace zorkan
