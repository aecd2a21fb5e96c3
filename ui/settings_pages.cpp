#include "ui/settings_pages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPalette>
#include <QTableWidget>
#include <cassert>

#include "link/link_error.h"
#include "operator/result_messages.h"
#include "settings/control_conversions.h"
#include "settings/enumerations.h"
#include "settings/page_bindings.h"
#include "settings/page_rules.h"
#include "ui/core_text.h"
#include "ui_main_window.h"

namespace zorkan {

namespace {

constexpr int kRelayGridColumnWidth = 60;
constexpr int kRelayGridRowHeight = 24;
constexpr std::string_view kShownMark = " *";
constexpr std::string_view kClickedMark = " +";

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text binding's control: a line edit, or an editable list.
std::string TextOf(const QWidget* control) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text().toStdString();
  return static_cast<const QComboBox*>(control)->currentText().toStdString();
}

void ShowText(QWidget* control, const QString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    edit->setText(text);
  } else {
    static_cast<QComboBox*>(control)->setCurrentText(text);
  }
}

void AddItems(QComboBox* combo, const ListItems& items) {
  combo->clear();
  for (const std::string_view text : items.texts) combo->addItem(CoreText(text));
  for (int value = items.first; value <= items.last; ++value) {
    combo->addItem(QString::asprintf(items.format, value));
  }
}

struct RelayCell {
  int row;
  int column;
  int relay;
  int channel;
  std::int32_t bit;
};

// Columns "Нагрев", "Уставка", "Обрыв" for the rows "Реле 1" and "Реле 2".
constexpr RelayCell kRelayCells[] = {
    {1, 1, 0, 0, 0x10}, {1, 2, 0, 1, 0x01}, {1, 3, 0, 1, 0x04},
    {2, 1, 1, 0, 0x10}, {2, 2, 1, 1, 0x01}, {2, 3, 1, 1, 0x04},
};

QTableWidgetItem* CellAt(QTableWidget* grid, int row, int column) {
  QTableWidgetItem* item = grid->item(row, column);
  if (item == nullptr) {
    item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled);
    grid->setItem(row, column, item);
  }
  return item;
}

}  // namespace

SettingsPages::SettingsPages(Ui::TForm1& ui, DeviceSettings& settings,
                             const LinkSettings& linkSettings, OperatorDialogs& dialogs,
                             CancelLatch& latch)
    : ui_(ui), settings_(settings), linkSettings_(linkSettings), dialogs_(dialogs), latch_(latch) {
  for (const PageBinding& binding : PageBindings()) {
    QWidget* control = ui_.ClientArea->findChild<QWidget*>(Text(binding.control));
    assert(control != nullptr && "a page binding names a control the form does not have");
    controls_.push_back(control);
  }
}

void SettingsPages::FillLists() {
  ui_.ComboBox17->clear();
  ui_.ComboBox17->addItems({"1", "2", "3", "4"});
  const auto bindings = PageBindings();
  for (std::size_t i = 0; i < bindings.size(); ++i) {
    if (IsListKind(bindings[i].kind) || bindings[i].kind == BindingKind::Step) {
      AddItems(static_cast<QComboBox*>(controls_[i]), bindings[i].items);
    }
  }

  QTableWidget* grid = ui_.StringGrid3;
  grid->setRowCount(3);
  grid->setColumnCount(4);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->verticalHeader()->setDefaultSectionSize(kRelayGridRowHeight);
  for (int column = 0; column < grid->columnCount(); ++column) {
    grid->setColumnWidth(column, kRelayGridColumnWidth);
  }
  showRelayGridCaptions();
}

void SettingsPages::showRelayGridCaptions() {
  QTableWidget* grid = ui_.StringGrid3;
  CellAt(grid, 0, 1)->setText(tr("Нагрев"));
  CellAt(grid, 0, 2)->setText(tr("Уставка"));
  CellAt(grid, 0, 3)->setText(tr("Обрыв"));
  CellAt(grid, 1, 0)->setText(tr("Реле 1"));
  CellAt(grid, 2, 0)->setText(tr("Реле 2"));
}

void SettingsPages::retranslate() {
  const auto bindings = PageBindings();
  for (std::size_t i = 0; i < bindings.size(); ++i) {
    if (!IsListKind(bindings[i].kind)) continue;
    auto* list = static_cast<QComboBox*>(controls_[i]);
    const auto texts = bindings[i].items.texts;
    for (std::size_t item = 0; item < texts.size(); ++item) {
      list->setItemText(static_cast<int>(item), CoreText(texts[item]));
    }
  }
  showRelayGridCaptions();
  ui_.Panel79->setText(CoreText(ManufactureDateText(settings_.general)));
}

// A serial number the field cannot hold is reported, and taken back as 0; the forced values last.
void SettingsPages::CollectSettings() {
  const auto bindings = PageBindings();
  for (std::size_t i = 0; i < bindings.size(); ++i) {
    const PageBinding& binding = bindings[i];
    QWidget* control = controls_[i];
    if (IsTextKind(binding.kind)) {
      if (!TakeBackText(binding, settings_, TextOf(control))) {
        ReportResult(kBadNumber, dialogs_, latch_);
      }
    } else if (IsListKind(binding.kind)) {
      TakeBackIndex(binding, settings_, static_cast<QComboBox*>(control)->currentIndex());
    } else if (binding.kind != BindingKind::ShownSwitch) {
      TakeBackCheck(binding, settings_, static_cast<QCheckBox*>(control)->isChecked());
    }
  }
  collectRelayGrid();
  ApplyCollectRules(settings_);
}

void SettingsPages::collectRelayGrid() {
  auto& masks = settings_.relays.relayMask;
  for (auto& relay : masks) relay = {0, 0};
  for (const RelayCell& cell : kRelayCells) {
    const QTableWidgetItem* item = ui_.StringGrid3->item(cell.row, cell.column);
    if (item != nullptr && !item->text().isEmpty()) {
      masks[static_cast<std::size_t>(cell.relay)][static_cast<std::size_t>(cell.channel)] |=
          cell.bit;
    }
  }
}

void SettingsPages::ShowSettings() {
  showDisplays();
  ApplyRangeRules(settings_);
  const auto bindings = PageBindings();
  for (std::size_t i = 0; i < bindings.size(); ++i) {
    const PageBinding& binding = bindings[i];
    QWidget* control = controls_[i];
    if (IsTextKind(binding.kind)) {
      ShowText(control, Text(BoundText(binding, settings_)));
    } else if (IsListKind(binding.kind)) {
      static_cast<QComboBox*>(control)->setCurrentIndex(BoundIndex(binding, settings_));
    } else {
      static_cast<QCheckBox*>(control)->setChecked(BoundCheck(binding, settings_));
    }
  }
  showRelayGrid();
}

void SettingsPages::showDisplays() {
  const GeneralSettings& general = settings_.general;
  ui_.Panel79->setText(CoreText(ManufactureDateText(general)));
  ui_.Panel78->setText(Text(FirmwareVersionText(general.firmwareVersion)));
  ui_.Panel39->setText(QString::number(ShownSerialNumber(general.serialNumber)));
  ui_.Panel38->setText(QString::number(general.qcCode & 0xFF));
  ui_.ComboBox17->setCurrentIndex(
      ShownListIndex(linkSettings_.portNumber - 1, ui_.ComboBox17->count()));
  ui_.Label2->setText(QString::number(linkSettings_.portNumber));
  MarkSelectedGroups();
}

void SettingsPages::showRelayGrid() {
  const auto& masks = settings_.relays.relayMask;
  for (const RelayCell& cell : kRelayCells) {
    const bool set =
        (masks[static_cast<std::size_t>(cell.relay)][static_cast<std::size_t>(cell.channel)] &
         cell.bit) != 0;
    CellAt(ui_.StringGrid3, cell.row, cell.column)->setText(set ? Text(kShownMark) : QString());
  }
}

void SettingsPages::StringGrid3Click(int row, int column) {
  if (row < 1 || row > 2 || column < 1 || column > 3) return;
  QTableWidgetItem* item = CellAt(ui_.StringGrid3, row, column);
  item->setText(item->text().isEmpty() ? Text(kClickedMark) : QString());
}

FieldTexts SettingsPages::shownFieldTexts() const {
  FieldTexts texts;
  const auto bindings = PageBindings();
  for (std::size_t i = 0; i < bindings.size(); ++i) {
    if (bindings[i].checkedText != nullptr) *bindings[i].checkedText(texts) = TextOf(controls_[i]);
  }
  return texts;
}

std::vector<ListField> SettingsPages::listsWithoutSelection() const {
  std::vector<ListField> unselected;
  const auto bindings = PageBindings();
  for (std::size_t i = 0; i < bindings.size(); ++i) {
    if (bindings[i].checkedList && static_cast<QComboBox*>(controls_[i])->currentIndex() < 0) {
      unselected.push_back(*bindings[i].checkedList);
    }
  }
  return InCheckOrder(std::move(unselected));
}

// The hidden group boxes checked as the group switches of the model are on.
void SettingsPages::showGroupBoxes() {
  const auto bindings = PageBindings();
  for (std::size_t i = 0; i < bindings.size(); ++i) {
    if (IsSwitchKind(bindings[i].kind)) {
      static_cast<QCheckBox*>(controls_[i])->setChecked(BoundCheck(bindings[i], settings_));
    }
  }
}

void SettingsPages::showGroupSelection() {
  showGroupBoxes();
  const QColor buttonFace = QApplication::palette().color(QPalette::Button);
  for (QWidget* panel : {ui_.Panel1, ui_.Panel2, ui_.Panel71, ui_.Panel77}) {
    setPanelColour(panel, buttonFace);
  }
  ui_.ClientArea->repaint();
}

void SettingsPages::MarkSelectedGroups() {
  const QColor buttonFace = QApplication::palette().color(QPalette::Button);
  for (QWidget* panel : {ui_.Panel1, ui_.Panel71, ui_.Panel77}) setPanelColour(panel, buttonFace);
  setPanelColour(ui_.Panel2, settings_.channels[1].selected == 1 ? QColor(Qt::white) : buttonFace);
}

void SettingsPages::setPanelColour(QWidget* panel, const QColor& colour) {
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, colour);
  panel->setPalette(palette);
}

}  // namespace zorkan
