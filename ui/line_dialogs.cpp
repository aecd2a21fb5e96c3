#include "ui/line_dialogs.h"

#include <QCoreApplication>
#include <QPushButton>
#include <functional>
#include <utility>

#include "link/port_timing.h"
#include "settings/enumerations.h"
#include "ui/core_text.h"
#include "ui/language_change.h"
#include "ui/table_rows.h"
#include "ui_found_instruments_dialog.h"
#include "ui_line_results_dialog.h"
#include "ui_search_rates_dialog.h"

namespace zorkan {

namespace {

// The context of the line's dialogs' own texts.
class LineDialogs {
  Q_DECLARE_TR_FUNCTIONS(zorkan::LineDialogs)
};

// The form filled with the search: a row per instrument, the duplicates below the table.
class FoundInstrumentsForm {
 public:
  FoundInstrumentsForm(QWidget* parent, const InstrumentSearchResult& search)
      : dialog_(parent), search_(search) {
    form_.setupUi(&dialog_);
    QTableWidget& table = *form_.FoundInstruments;
    table.setRowCount(static_cast<int>(search.found.size()));
    showTexts();
    FitColumns(table);
    table.selectRow(0);
    form_.DuplicatesLabel->setVisible(!search.probableDuplicates.empty());
    form_.Buttons->button(QDialogButtonBox::Ok)->setEnabled(!search.found.empty());
    OnLanguageChange(dialog_, [this] {
      form_.retranslateUi(&dialog_);
      showTexts();
      if (retitle_) retitle_();
    });
  }

  QDialog& dialog() { return dialog_; }
  Ui::FoundInstrumentsDialog& form() { return form_; }
  // Texts of the form's own replaced by `retitle`, now and at a change of language.
  void retitle(std::function<void()> retitle) {
    retitle_ = std::move(retitle);
    retitle_();
  }

 private:
  // The table's texts keep what the operator checked.
  void showTexts() {
    QTableWidget& table = *form_.FoundInstruments;
    for (std::size_t row = 0; row < search_.found.size(); ++row) {
      const FoundInstrument& found = search_.found[row];
      const QStringList cells{QString::number(found.place.networkAddress),
                              QString::number(found.place.baudRate),
                              QString::number(found.identity.serialNumber),
                              CoreText(DeviceTypeText(found.identity.deviceType)),
                              CoreText(FirmwareVersionText(found.identity.firmwareVersion))};
      for (int column = 0; column < cells.size(); ++column) {
        const int at = static_cast<int>(row);
        if (QTableWidgetItem* cell = table.item(at, column)) {
          cell->setText(cells[column]);
        } else {
          table.setItem(at, column, new QTableWidgetItem(cells[column]));
        }
      }
    }
    QStringList duplicates;
    for (const LinePlace& place : search_.probableDuplicates) {
      duplicates << CoreText(ProbableDuplicateText(place));
    }
    form_.DuplicatesLabel->setText(duplicates.join('\n'));
  }

  QDialog dialog_;
  Ui::FoundInstrumentsDialog form_;
  const InstrumentSearchResult& search_;
  std::function<void()> retitle_;
};

}  // namespace

std::optional<InstrumentSearch> ChooseSearch(QWidget* parent, std::uint32_t ownBaudRate,
                                             bool& everyRate) {
  QDialog dialog(parent);
  Ui::SearchRatesDialog form;
  form.setupUi(&dialog);
  const auto showTexts = [&form, ownBaudRate] {
    const auto rates = PortTimings();
    form.OwnRateOnly->setText(
        LineDialogs::tr("Только на скорости из dev.dat: %1 бод").arg(ownBaudRate));
    form.EveryRate->setText(LineDialogs::tr("На всех скоростях: %1–%2 бод")
                                .arg(rates.front().baudRate)
                                .arg(rates.back().baudRate));
  };
  showTexts();
  OnLanguageChange(dialog, [&dialog, &form, showTexts] {
    form.retranslateUi(&dialog);
    showTexts();
  });
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
  chooser.retitle([&chooser, &form] {
    chooser.dialog().setWindowTitle(LineDialogs::tr("Записать в несколько приборов"));
    form.CaptionLabel->setText(
        LineDialogs::tr("Отметьте приборы, в которые записать настройки страниц:"));
    form.Buttons->button(QDialogButtonBox::Ok)->setText(LineDialogs::tr("Записать"));
  });
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
  const auto showTexts = [&table, &line] {
    for (std::size_t row = 0; row < line.instruments.size(); ++row) {
      const InstrumentTransfer& instrument = line.instruments[row];
      SetTableRow(
          table, static_cast<int>(row),
          {QString::number(instrument.place.networkAddress),
           QString::number(instrument.place.baudRate),
           instrument.serialNumber ? QString::number(*instrument.serialNumber) : QString("—"),
           CoreText(WriteOutcomeText(instrument))});
    }
  };
  showTexts();
  FitColumns(table);
  OnLanguageChange(dialog, [&dialog, &form, showTexts] {
    form.retranslateUi(&dialog);
    showTexts();
  });
  dialog.exec();
}

}  // namespace zorkan
