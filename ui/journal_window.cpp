#include "ui/journal_window.h"

#include <QEvent>
#include <QHeaderView>
#include <QPushButton>
#include <string>

#include "operator/operator_text.h"
#include "operator/result_messages.h"
#include "settings/control_conversions.h"
#include "ui/core_text.h"
#include "ui/instrument_dialogs.h"
#include "ui_journal_window.h"

namespace zorkan {

namespace {

enum Column { kTimeColumn, kActionColumn, kResultColumn, kSerialColumn, kDescriptionColumn };

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QString ActionText(JournalAction action) {
  switch (action) {
    case JournalAction::Read:
      return JournalWindow::tr("Чтение");
    case JournalAction::Write:
      return JournalWindow::tr("Запись");
    case JournalAction::Set:
      return JournalWindow::tr("Установка параметра");
  }
  return {};
}

QString ResultText(LinkError result) {
  if (result == kOk) return JournalWindow::tr("Выполнено");
  const ResultMessage* message = FindResultMessage(result);
  return message ? CoreText(message->text) : "ERR " + QString::number(result);
}

// Where the number was taken from: the instrument, or the pages (a write; a read that stopped
// before it reached the number).
QString SerialText(const JournalEntry& entry) {
  if (!entry.serial) return "—";
  return entry.serial->source == SerialSource::Instrument
             ? JournalWindow::tr("%1 (прибор)").arg(entry.serial->number)
             : JournalWindow::tr("%1 (страницы)").arg(entry.serial->number);
}

QString DescriptionText(const JournalEntry& entry) {
  return Text(entry.parameter ? SetParameterText(*entry.parameter) : entry.description);
}

QTableWidgetItem* Cell(const QString& text) {
  return new QTableWidgetItem(text);
}

}  // namespace

JournalWindow::JournalWindow(const Journal& journal, const DeviceSettings& pages,
                             OperatorDialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::JournalWindow>()),
      journal_(journal),
      pages_(pages),
      dialogs_(dialogs),
      serialNumber_(ShownSerialNumber(pages.general.serialNumber)) {
  ui_->setupUi(this);
  // Until a read, the pages know no instrument (profiles carry no serial number).
  ui_->ShowAllInstruments->setChecked(serialNumber_ == 0);
  connect(ui_->ShowAllInstruments, &QCheckBox::toggled, this, [this] { fill(); });
  connect(ui_->JournalEntries, &QTableWidget::itemSelectionChanged, this,
          [this] { showChosenEntry(); });
  connect(ui_->CompareButton, &QPushButton::clicked, this, [this] { compareWithPages(); });
  connect(ui_->LoadButton, &QPushButton::clicked, this, [this] {
    if (const std::optional<JournalEntry> entry = chosenEntry()) load(*entry);
  });
  connect(ui_->RestoreButton, &QPushButton::clicked, this, [this] {
    if (const auto entry = FindReadBeforeWrite(journal_, pages_, dialogs_)) load(*entry);
  });
  fill();
}

JournalWindow::~JournalWindow() = default;

void JournalWindow::fill() {
  const bool everyInstrument = ui_->ShowAllInstruments->isChecked();
  JournalQuery query;
  if (!everyInstrument) query.serialNumber = serialNumber_;
  shown_ = journal_.entries(query);
  ui_->EntriesLabel->setText(everyInstrument
                                 ? tr("&Записи журнала, все приборы:")
                                 : tr("&Записи журнала, прибор № %1:").arg(serialNumber_));
  QTableWidget& table = *ui_->JournalEntries;
  table.clearContents();
  table.setRowCount(static_cast<int>(shown_.size()));
  for (std::size_t index = 0; index < shown_.size(); ++index) {
    const JournalEntry& entry = shown_[index];
    const int row = static_cast<int>(index);
    table.setItem(row, kTimeColumn, Cell(Text(JournalTimeText(entry.time))));
    table.setItem(row, kActionColumn, Cell(ActionText(entry.action)));
    QTableWidgetItem* result = Cell(ResultText(entry.result));
    if (!entry.stoppedAt.empty())
      result->setToolTip(tr("Остановлено на шаге: %1").arg(CoreText(entry.stoppedAt)));
    table.setItem(row, kResultColumn, result);
    table.setItem(row, kSerialColumn, Cell(SerialText(entry)));
    QTableWidgetItem* description = Cell(DescriptionText(entry));
    description->setToolTip(description->text());
    table.setItem(row, kDescriptionColumn, description);
  }
  table.resizeColumnsToContents();
  table.resizeRowsToContents();
  if (!shown_.empty()) table.selectRow(0);
  showChosenEntry();
}

void JournalWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  ui_->retranslateUi(this);
  const int chosen = ui_->JournalEntries->currentRow();
  fill();
  if (chosen >= 0) ui_->JournalEntries->selectRow(chosen);
}

void JournalWindow::showChosenEntry() {
  const std::optional<JournalEntry> entry = chosenEntry();
  const bool profile = entry && entry->action != JournalAction::Set;
  ui_->CompareButton->setEnabled(profile);
  ui_->LoadButton->setEnabled(profile);
}

std::optional<JournalEntry> JournalWindow::chosenEntry() const {
  const QList<QTableWidgetItem*> chosen = ui_->JournalEntries->selectedItems();
  if (chosen.isEmpty()) return std::nullopt;
  return shown_[static_cast<std::size_t>(chosen.front()->row())];
}

void JournalWindow::compareWithPages() {
  const std::optional<JournalEntry> entry = chosenEntry();
  if (!entry) return;
  // As a load would leave the model: what no profile carries stays as the pages have it.
  DeviceSettings recorded = pages_;
  if (!journal_.loadProfile(*entry, recorded)) {
    ShowMessage(
        dialogs_, OPERATOR_TEXT("Журнал настроек"),
        FillText(OPERATOR_TEXT("Файл записи не читается: %1"), journal_.pathOf(*entry).string()),
        DialogIcon::Error);
    return;
  }
  ShowDifferences(this, DifferingProfileKeys(recorded, pages_), [] {
    return DifferenceTexts{tr("Сравнение с записью журнала"),
                           tr("Настройки на страницах совпадают с записью журнала."),
                           tr("Настройки на страницах отличаются от записи журнала:"),
                           tr("В записи журнала"), tr("На страницах")};
  });
}

void JournalWindow::load(const JournalEntry& entry) {
  entryToLoad_ = entry;
  accept();
}

std::optional<JournalEntry> FindReadBeforeWrite(const Journal& journal, const DeviceSettings& pages,
                                                OperatorDialogs& dialogs) {
  const std::int32_t serialNumber = ShownSerialNumber(pages.general.serialNumber);
  if (serialNumber == 0) {
    ShowMessage(dialogs, OPERATOR_TEXT("Журнал настроек"),
                OPERATOR_TEXT("На страницах нет заводского номера прибора: прочитайте прибор, "
                              "чтобы найти в журнале его настройки до записи."),
                DialogIcon::Information);
    return std::nullopt;
  }
  std::optional<JournalEntry> read = journal.readBeforeNewestWrite(serialNumber);
  if (!read) {
    ShowMessage(dialogs, OPERATOR_TEXT("Журнал настроек"),
                FillText(OPERATOR_TEXT("В журнале нет удачного чтения прибора № %1, сделанного до "
                                       "его последней записи: вернуть нечего."),
                         serialNumber),
                DialogIcon::Information);
  }
  return read;
}

}  // namespace zorkan
