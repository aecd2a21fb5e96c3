#include "ui/instrument_dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/setting_captions.h"
#include "ui/table_rows.h"

namespace zorkan {

namespace {

QTableWidget* Table(QDialog& dialog, const QStringList& headings, int rows) {
  auto* table = new QTableWidget(rows, static_cast<int>(headings.size()), &dialog);
  table->setHorizontalHeaderLabels(headings);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  return table;
}

// The captions take what they need; the two values share the rest, a long one (a description
// line) wrapped in its cell, so that neither value is pushed out of sight.
void ShareWidthBetweenValues(QTableWidget& table) {
  QHeaderView& header = *table.horizontalHeader();
  header.setSectionResizeMode(0, QHeaderView::ResizeToContents);
  for (int column = 1; column < table.columnCount(); ++column) {
    header.setSectionResizeMode(column, QHeaderView::Stretch);
    for (int row = 0; row < table.rowCount(); ++row) {
      QTableWidgetItem* cell = table.item(row, column);
      cell->setToolTip(cell->text());
    }
  }
  table.setWordWrap(true);
  QObject::connect(&header, &QHeaderView::sectionResized, &table,
                   [&table] { table.resizeRowsToContents(); });
}

}  // namespace

const DifferenceTexts kInstrumentDifferenceTexts{
    "Сравнение с прибором", "Настройки на страницах совпадают с настройками прибора.",
    "Запись в прибор изменит эти настройки:", "В приборе", "На страницах"};

void ShowDifferences(QWidget* parent, const std::vector<ProfileKeyDifference>& differences,
                     const DifferenceTexts& texts) {
  QDialog dialog(parent);
  dialog.setObjectName("DifferencesDialog");
  dialog.setWindowTitle(texts.title);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(differences.empty() ? texts.same : texts.different, &dialog));
  QTableWidget* table = Table(dialog, {"Настройка", texts.firstHeading, texts.secondHeading},
                              static_cast<int>(differences.size()));
  table->setObjectName("Differences");
  for (std::size_t row = 0; row < differences.size(); ++row) {
    const auto& [section, key, first, second] = differences[row];
    SetTableRow(*table, static_cast<int>(row),
                {SettingCaption(section, key), SettingValueText(section, key, first),
                 SettingValueText(section, key, second)});
  }
  ShareWidthBetweenValues(*table);
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
