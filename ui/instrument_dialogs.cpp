#include "ui/instrument_dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/setting_captions.h"

namespace zorkan {

namespace {

QTableWidget* Table(QDialog& dialog, const QStringList& headings, int rows) {
  auto* table = new QTableWidget(rows, static_cast<int>(headings.size()), &dialog);
  table->setHorizontalHeaderLabels(headings);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

void SetRow(QTableWidget* table, int row, const QStringList& cells) {
  for (int column = 0; column < cells.size(); ++column) {
    table->setItem(row, column, new QTableWidgetItem(cells[column]));
  }
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

std::optional<FoundInstrument> ChooseInstrument(QWidget* parent,
                                                const std::vector<FoundInstrument>& found) {
  QDialog dialog(parent);
  dialog.setObjectName("FoundInstrumentsDialog");
  dialog.setWindowTitle("Найденные приборы");
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel("Выберите прибор, с которым работать:", &dialog));
  QTableWidget* table = Table(dialog, {"Сетевой адрес", "Скорость, бод", "Версия ПО"},
                              static_cast<int>(found.size()));
  table->setObjectName("FoundInstruments");
  for (std::size_t row = 0; row < found.size(); ++row) {
    SetRow(table, static_cast<int>(row),
           {QString::number(found[row].networkAddress), QString::number(found[row].baudRate),
            Text(found[row].firmwareVersion)});
  }
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table->selectRow(0);
  layout->addWidget(table);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(table, &QTableWidget::cellDoubleClicked, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  dialog.resize(420, 240);
  if (dialog.exec() != QDialog::Accepted || table->currentRow() < 0) return std::nullopt;
  return found[static_cast<std::size_t>(table->currentRow())];
}

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
    const ProfileKeyDifference& difference = differences[row];
    SetRow(table, static_cast<int>(row),
           {SettingCaption(difference.section, difference.key), Text(difference.firstValue),
            Text(difference.secondValue)});
  }
  table->resizeColumnsToContents();
  layout->addWidget(table);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.resize(560, 360);
  dialog.exec();
}

}  // namespace zorkan
