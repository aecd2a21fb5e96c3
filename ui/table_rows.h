#pragma once
// Rows of plain text in the tables the dialogs show.

#include <QStringList>
#include <QTableWidget>

namespace zorkan {

inline void SetTableRow(QTableWidget& table, int row, const QStringList& cells) {
  for (int column = 0; column < cells.size(); ++column) {
    table.setItem(row, column, new QTableWidgetItem(cells[column]));
  }
}

}  // namespace zorkan
