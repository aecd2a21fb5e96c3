#include "ui/line_dialogs.h"

#include <QPushButton>

#include "link/port_timing.h"
#include "settings/enumerations.h"
#include "ui/table_rows.h"
#include "ui_found_instruments_dialog.h"
#include "ui_line_results_dialog.h"
#include "ui_search_rates_dialog.h"

namespace zorkan {

namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// The form filled with the search: a row per instrument, the duplicates below the table.
class FoundInstrumentsForm {
 public:
  FoundInstrumentsForm(QWidget* parent, const InstrumentSearchResult& search) : dialog_(parent) {
    form_.setupUi(&dialog_);
    QTableWidget& table = *form_.FoundInstruments;
    table.setRowCount(static_cast<int>(search.found.size()));
    for (std::size_t row = 0; row < search.found.size(); ++row) {
      const FoundInstrument& found = search.found[row];
      SetTableRow(
          table, static_cast<int>(row),
          {QString::number(found.place.networkAddress), QString::number(found.place.baudRate),
           QString::number(found.identity.serialNumber),
           Text(DeviceTypeText(found.identity.deviceType)),
           Text(FirmwareVersionText(found.identity.firmwareVersion))});
    }
    FitColumns(table);
    table.selectRow(0);
    QStringList duplicates;
    for (const LinePlace& place : search.probableDuplicates) {
      duplicates << Text(ProbableDuplicateText(place));
    }
    form_.DuplicatesLabel->setText(duplicates.join('\n'));
    form_.DuplicatesLabel->setVisible(!duplicates.isEmpty());
    form_.Buttons->button(QDialogButtonBox::Ok)->setEnabled(!search.found.empty());
  }

  QDialog& dialog() { return dialog_; }
  Ui::FoundInstrumentsDialog& form() { return form_; }

 private:
  QDialog dialog_;
  Ui::FoundInstrumentsDialog form_;
};

}  // namespace

std::optional<InstrumentSearch> ChooseSearch(QWidget* parent, std::uint32_t ownBaudRate,
                                             bool& everyRate) {
  QDialog dialog(parent);
  Ui::SearchRatesDialog form;
  form.setupUi(&dialog);
  const auto rates = PortTimings();
  form.OwnRateOnly->setText("Только на скорости из dev.dat: " + QString::number(ownBaudRate) +
                            " бод");
  form.EveryRate->setText("На всех скоростях: " + QString::number(rates.front().baudRate) + "–" +
                          QString::number(rates.back().baudRate) + " бод");
  (everyRate ? form.EveryRate : form.OwnRateOnly)->setChecked(true);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  everyRate = form.EveryRate->isChecked();
  InstrumentSearch search;
  if (!everyRate) search.baudRates = {ownBaudRate};
  return search;
}

std::optional<FoundInstrument> ChooseInstrument(QWidget* parent,
                                                const InstrumentSearchResult& search) {
  FoundInstrumentsForm chooser(parent, search);
  QTableWidget* table = chooser.form().FoundInstruments;
  QObject::connect(table, &QTableWidget::cellDoubleClicked, &chooser.dialog(), &QDialog::accept);
  if (chooser.dialog().exec() != QDialog::Accepted || table->currentRow() < 0) {
    return std::nullopt;
  }
  return search.found[static_cast<std::size_t>(table->currentRow())];
}

std::vector<LinePlace> ChooseInstrumentsToWrite(QWidget* parent,
                                                const InstrumentSearchResult& search) {
  FoundInstrumentsForm chooser(parent, search);
  Ui::FoundInstrumentsDialog& form = chooser.form();
  chooser.dialog().setWindowTitle("Записать в несколько приборов");
  form.CaptionLabel->setText("Отметьте приборы, в которые записать настройки страниц:");
  form.Buttons->button(QDialogButtonBox::Ok)->setText("Записать");
  QTableWidget& table = *form.FoundInstruments;
  for (int row = 0; row < table.rowCount(); ++row) {
    QTableWidgetItem* address = table.item(row, 0);
    address->setFlags(address->flags() | Qt::ItemIsUserCheckable);
    address->setCheckState(Qt::Checked);
  }
  std::vector<LinePlace> chosen;
  if (chooser.dialog().exec() != QDialog::Accepted) return chosen;
  for (int row = 0; row < table.rowCount(); ++row) {
    if (table.item(row, 0)->checkState() == Qt::Checked) {
      chosen.push_back(search.found[static_cast<std::size_t>(row)].place);
    }
  }
  return chosen;
}

void ShowLineResults(QWidget* parent, const LineTransfer& line) {
  QDialog dialog(parent);
  Ui::LineResultsDialog form;
  form.setupUi(&dialog);
  QTableWidget& table = *form.LineResults;
  table.setRowCount(static_cast<int>(line.instruments.size()));
  for (std::size_t row = 0; row < line.instruments.size(); ++row) {
    const InstrumentTransfer& instrument = line.instruments[row];
    SetTableRow(table, static_cast<int>(row),
                {QString::number(instrument.place.networkAddress),
                 QString::number(instrument.place.baudRate),
                 instrument.serialNumber ? QString::number(*instrument.serialNumber) : QString("—"),
                 Text(WriteOutcomeText(instrument))});
  }
  FitColumns(table);
  dialog.exec();
}

}  // namespace zorkan
