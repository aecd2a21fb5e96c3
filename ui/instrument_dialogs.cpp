#include "ui/instrument_dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/language_change.h"
#include "ui/setting_captions.h"
#include "ui/table_rows.h"

namespace zorkan {

namespace {

QTableWidget* Table(QDialog& dialog, int columns, int rows) {
  auto* table = new QTableWidget(rows, columns, &dialog);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  return table;
}

// A value cut short is read whole in its tip.
void TipValues(QTableWidget& table) {
  for (int column = 1; column < table.columnCount(); ++column) {
    for (int row = 0; row < table.rowCount(); ++row) {
      QTableWidgetItem* cell = table.item(row, column);
      cell->setToolTip(cell->text());
    }
  }
}

// The captions take what they need; the two values share the rest, a long one (a description
// line) wrapped in its cell, so that neither value is pushed out of sight.
void ShareWidthBetweenValues(QTableWidget& table) {
  QHeaderView& header = *table.horizontalHeader();
  header.setSectionResizeMode(0, QHeaderView::ResizeToContents);
  for (int column = 1; column < table.columnCount(); ++column) {
    header.setSectionResizeMode(column, QHeaderView::Stretch);
  }
  table.setWordWrap(true);
  QObject::connect(&header, &QHeaderView::sectionResized, &table,
                   [&table] { table.resizeRowsToContents(); });
}

}  // namespace

DifferenceTexts InstrumentDifferenceTexts() {
  return {DifferencesDialog::tr("Сравнение с прибором"),
          DifferencesDialog::tr("Настройки на страницах совпадают с настройками прибора."),
          DifferencesDialog::tr("Запись в прибор изменит эти настройки:"),
          DifferencesDialog::tr("В приборе"), DifferencesDialog::tr("На страницах")};
}

void ShowDifferences(QWidget* parent, const std::vector<ProfileKeyDifference>& differences,
                     const DifferenceTextsMaker& texts) {
  QDialog dialog(parent);
  dialog.setObjectName("DifferencesDialog");
  auto* layout = new QVBoxLayout(&dialog);
  auto* line = new QLabel(&dialog);
  layout->addWidget(line);
  QTableWidget* table = Table(dialog, 3, static_cast<int>(differences.size()));
  table->setObjectName("Differences");
  const auto showTexts = [&] {
    const DifferenceTexts shown = texts();
    dialog.setWindowTitle(shown.title);
    line->setText(differences.empty() ? shown.same : shown.different);
    table->setHorizontalHeaderLabels(
        {DifferencesDialog::tr("Настройка"), shown.firstHeading, shown.secondHeading});
    for (std::size_t row = 0; row < differences.size(); ++row) {
      const auto& [section, key, first, second] = differences[row];
      SetTableRow(*table, static_cast<int>(row),
                  {SettingCaption(section, key), SettingValueText(section, key, first),
                   SettingValueText(section, key, second)});
    }
    TipValues(*table);
  };
  showTexts();
  ShareWidthBetweenValues(*table);
  OnLanguageChange(dialog, showTexts);
  layout->addWidget(table);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  // Room for two description lines side by side, where the screen has it (at a large scale).
  QSize size(720, 400);
  if (const QScreen* screen = dialog.screen()) {
    size = size.boundedTo(screen->availableGeometry().size());
  }
  dialog.resize(size);
  dialog.exec();
}

}  // namespace zorkan
