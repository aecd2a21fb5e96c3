#include "ui/settings_pages.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPalette>
#include <QTableWidget>
#include <cmath>

#include "ini/number_text.h"
#include "link/link_error.h"
#include "settings/enumerations.h"
#include "settings/page_rules.h"
#include "ui_main_window.h"

namespace zorkan {

namespace {

constexpr int kRelayGridColumnWidth = 60;
constexpr int kRelayGridRowHeight = 24;
constexpr std::string_view kShownMark = " *";
constexpr std::string_view kClickedMark = " +";
constexpr std::int32_t kMaxSerialNumber = 65535;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string TextOf(const QLineEdit* edit) {
  return edit->text().toStdString();
}

std::string TextOf(const QComboBox* combo) {
  return combo->currentText().toStdString();
}

void ShowNumber(QLineEdit* edit, float value) {
  edit->setText(Text(FormatFixed(value)));
}

float CollectNumber(const QLineEdit* edit) {
  return FieldNumber(TextOf(edit));
}

// The step lists are editable: whatever number their text holds, without its sign.
void ShowStep(QComboBox* combo, float value) {
  combo->setCurrentText(Text(FormatFixed(value)));
}

float CollectStep(const QComboBox* combo) {
  return std::fabs(FieldNumber(TextOf(combo)));
}

void Select(QComboBox* combo, int index) {
  combo->setCurrentIndex(index < combo->count() ? index : -1);
}

void SelectValue(QComboBox* combo, std::int32_t value) {
  Select(combo, ShownListIndex(value, combo->count()));
}

// Lists whose position + 1 is the value (averaging "1".."10").
void SelectCount(QComboBox* combo, std::int32_t value) {
  Select(combo, ShownListIndex(value - 1, combo->count()));
}

std::int32_t CollectedCount(const QComboBox* combo) {
  return combo->currentIndex() + 1;
}

void SelectSetpointType(QComboBox* combo, std::int32_t value) {
  Select(combo, ShownSetpointTypeIndex(value));
}

void AddItems(QComboBox* combo, const auto& texts) {
  combo->clear();
  for (const std::string_view text : texts) combo->addItem(Text(text));
}

void AddNumbers(QComboBox* combo, int first, int last, const char* format = "%d") {
  combo->clear();
  for (int value = first; value <= last; ++value) combo->addItem(QString::asprintf(format, value));
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
                             const LinkSettings& linkSettings, DirectControl& directControl,
                             OperatorDialogs& dialogs, CancelLatch& latch)
    : ui_(ui),
      settings_(settings),
      linkSettings_(linkSettings),
      directControl_(directControl),
      dialogs_(dialogs),
      latch_(latch) {}

void SettingsPages::FillLists() {
  AddItems(ui_.ComboBox17, std::initializer_list<std::string_view>{"1", "2", "3", "4"});
  ui_.ComboBox17->setToolTip("Задаем номер порта компьютора");
  for (QComboBox* sensor : {ui_.ComboBox1, ui_.ComboBox7}) {
    AddItems(sensor, kSensorTypeTexts);
    sensor->setToolTip("Задаем тип датчика в канале");
  }
  for (QComboBox* setpointType : {ui_.ComboBox2, ui_.ComboBox3, ui_.ComboBox31, ui_.ComboBox9}) {
    AddItems(setpointType, kSetpointTypeTexts);
    setpointType->setToolTip("Задаем тип уставки");
  }
  constexpr std::string_view kSteps[] = {"0.001", "0.01", "0.1", "1.0", "10.0"};
  const std::pair<QComboBox*, const char*> steps[] = {
      {ui_.ComboBox21,
       "Задаем шаг изменения величины регулирования и коэффициента пропорциональности"},
      {ui_.ComboBox23,
       "Задаем шаг изменения зоны нечувствительности и минимальной длительности импульса "
       "управления"},
      {ui_.ComboBox22, "Задаем шаг изменения зоны пропорционального управления"},
      {ui_.ComboBox24, "Задаем шаг изменения гистерезиса"},
  };
  for (const auto& [combo, hint] : steps) {
    AddItems(combo, kSteps);
    combo->setToolTip(hint);
  }
  for (QComboBox* decimals : {ui_.ComboBox5, ui_.ComboBox11}) {
    AddNumbers(decimals, 0, kDecimalsItems - 1);
    decimals->setToolTip("Задаем число знаков после запятой");
  }
  for (QComboBox* observations : {ui_.ComboBox6, ui_.ComboBox32}) {
    AddNumbers(observations, 1, kCountItems);
    observations->setToolTip("Задаем число одинаковых наблюдений перед срабатыванием реле");
  }
  for (QComboBox* averaging : {ui_.ComboBox4, ui_.ComboBox10}) {
    AddNumbers(averaging, 1, kCountItems);
    averaging->setToolTip("Задаем число усреднений измеренного значения");
  }
  AddItems(ui_.ComboBox13, std::initializer_list<std::string_view>{"Упрощенная", "Расширенная",
                                                                   "Управление задвижкой"});
  AddItems(ui_.ComboBox14, std::initializer_list<std::string_view>{"Упрощенная", "Расширенная"});
  AddNumbers(ui_.ComboBox18, 1, kIntervalItems);
  AddNumbers(ui_.ComboBox28, 1, kIntervalItems);
  AddItems(ui_.ComboBox19, kDeviceTypeTexts);
  AddItems(ui_.ComboBox20, kErrorDisplayTexts);
  AddNumbers(ui_.ComboBox27, 0, 255, "%03d");
  AddNumbers(ui_.ComboBox30, 0, 100, "%3d");

  const std::pair<QList<QLineEdit*>, const char*> hints[] = {
      {{ui_.Edit1, ui_.Edit13},
       "Максимум диапазона.Для унифицированных входов его можно изменить."},
      {{ui_.Edit2, ui_.Edit14}, "Минимум диапазона.Для унифицированных входов его можно изменить."},
      {{ui_.Edit3, ui_.Edit15}, "Смещение измеренного значения."},
      {{ui_.Edit4, ui_.Edit16}, "Подстройка величины диапазона."},
      {{ui_.Edit5}, "Величина регулируемого значения."},
      {{ui_.Edit9}, "Величина коэффициента при рассогласовании."},
      {{ui_.Edit10}, "Величина времени интегрирования."},
      {{ui_.Edit11}, "Величина времени дифференцирования."},
      {{ui_.Edit12}, "Величина коэффициента асимметрии."},
      {{ui_.Edit25}, "Величина уставки."},
      {{ui_.Edit7}, "Величина коэффициента пропорциональности."},
      {{ui_.Edit19}, "Величина уставки 2."},
      {{ui_.Edit6}, "Величина зоны пропрционального управления."},
      {{ui_.Edit26}, "Величина гистерезиса уставки."},
      {{ui_.Edit8}, "Величина минимального импульса управления."},
      {{ui_.Edit20}, "Величина гистерезиса уставки 2."},
  };
  for (const auto& [edits, hint] : hints) {
    for (QLineEdit* edit : edits) edit->setToolTip(hint);
  }
  for (QCheckBox* root : {ui_.CheckBox4, ui_.CheckBox6}) {
    root->setToolTip("Включение извлечения корня при расчете значений унифицированных сигналов.");
  }
  ui_.StringGrid3->setToolTip("Стявя значек в ячейке включаем реле от данного события.");
  ui_.Edit53->clear();
  ui_.Panel39->clear();

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
  CellAt(grid, 0, 1)->setText("Нагрев");
  CellAt(grid, 0, 2)->setText("Уставка");
  CellAt(grid, 0, 3)->setText("Обрыв");
  CellAt(grid, 1, 0)->setText("Реле 1");
  CellAt(grid, 2, 0)->setText("Реле 2");
}

// List controls and check boxes first, then the edit fields, the step lists, the PID time fields,
// the PWM lists and duty, the error display, the relay grid, the device type, the serial number and
// the quality-control code; the forced values last.
void SettingsPages::CollectSettings() {
  collectLists();
  collectNumbers();
  collectRelayGrid();
  settings_.general.deviceType = ui_.ComboBox19->currentIndex();
  collectSerialNumber();
  settings_.general.qcCode = ui_.ComboBox27->currentIndex();
  ApplyCollectRules(settings_);
}

void SettingsPages::collectLists() {
  ChannelSettings& first = settings_.channels[0];
  ChannelSettings& second = settings_.channels[1];
  first.sensorType = ui_.ComboBox1->currentIndex();
  second.sensorType = ui_.ComboBox7->currentIndex();
  first.setpointType1 = CollectedSetpointType(ui_.ComboBox2->currentIndex());
  first.setpointType2 = CollectedSetpointType(ui_.ComboBox3->currentIndex());
  second.setpointType1 = CollectedSetpointType(ui_.ComboBox31->currentIndex());
  second.setpointType2 = CollectedSetpointType(ui_.ComboBox9->currentIndex());
  first.decimals = ui_.ComboBox5->currentIndex();
  second.decimals = ui_.ComboBox11->currentIndex();
  first.averaging = CollectedCount(ui_.ComboBox4);
  second.averaging = CollectedCount(ui_.ComboBox10);
  first.observations = CollectedCount(ui_.ComboBox6);
  second.observations = CollectedCount(ui_.ComboBox32);
  first.relayProcessing = ui_.ComboBox13->currentIndex();
  second.relayProcessing = ui_.ComboBox14->currentIndex();
  first.rootExtraction = ui_.CheckBox4->isChecked() ? 1 : 0;
  second.rootExtraction = ui_.CheckBox6->isChecked() ? 1 : 0;
  first.channelEnable = ui_.CheckBox5->isChecked() ? 1 : 0;
  second.channelEnable = ui_.CheckBox7->isChecked() ? 1 : 0;
  settings_.general.generalSelected = ui_.CheckBox10->isChecked() ? 1 : 0;
}

void SettingsPages::collectNumbers() {
  ChannelSettings& first = settings_.channels[0];
  ChannelSettings& second = settings_.channels[1];
  first.rangeMax = CollectNumber(ui_.Edit1);
  first.rangeMin = CollectNumber(ui_.Edit2);
  first.offset = CollectNumber(ui_.Edit3);
  first.rangeAdjust = CollectNumber(ui_.Edit4);
  first.setpoint1 = CollectNumber(ui_.Edit5);
  first.setpoint2 = CollectNumber(ui_.Edit7);
  first.hysteresis1 = CollectNumber(ui_.Edit6);
  first.hysteresis2 = CollectNumber(ui_.Edit8);
  second.rangeMax = CollectNumber(ui_.Edit13);
  second.rangeMin = CollectNumber(ui_.Edit14);
  second.offset = CollectNumber(ui_.Edit15);
  second.rangeAdjust = CollectNumber(ui_.Edit16);
  second.setpoint1 = CollectNumber(ui_.Edit25);
  second.setpoint2 = CollectNumber(ui_.Edit19);
  second.hysteresis1 = CollectNumber(ui_.Edit26);
  second.hysteresis2 = CollectNumber(ui_.Edit20);
  first.setpointStep = CollectStep(ui_.ComboBox21);
  first.hysteresisStep = CollectStep(ui_.ComboBox22);
  second.setpointStep = CollectStep(ui_.ComboBox23);
  second.hysteresisStep = CollectStep(ui_.ComboBox24);
  const QLineEdit* polynomial1[] = {ui_.Edit9, ui_.Edit10, ui_.Edit11, ui_.Edit12};
  const QLineEdit* polynomial2[] = {ui_.Edit21, ui_.Edit22, ui_.Edit23, ui_.Edit24};
  for (std::size_t k = 0; k < 4; ++k) {
    first.polynomial[k] = CollectNumber(polynomial1[k]);
    second.polynomial[k] = CollectNumber(polynomial2[k]);
  }
  first.regulationInterval = CollectedCount(ui_.ComboBox18);
  first.pulseInterval = CollectedCount(ui_.ComboBox28);
  directControl_.duty = ui_.ComboBox30->currentIndex();
  settings_.general.errorDisplay = ui_.ComboBox20->currentIndex();
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

void SettingsPages::collectSerialNumber() {
  const std::string text = TextOf(ui_.Edit53);
  std::int64_t number = 0;
  if (!text.empty()) {
    const double scanned = ScanDecimal(text).value_or(0.0);
    number = scanned < 0 || scanned > kMaxSerialNumber ? kMaxSerialNumber + 1
                                                       : static_cast<std::int64_t>(scanned);
  }
  if (number > kMaxSerialNumber) ReportResult(kBadNumber, dialogs_, latch_);
  settings_.general.serialNumber =
      static_cast<std::int32_t>(((number >> 8) & 0xFF) << 8 | (number & 0xFF));
}

void SettingsPages::ShowSettings() {
  showDisplays();
  ApplyRangeRules(settings_);
  showLists();
  showNumbers();
  showRelayGrid();
}

void SettingsPages::showDisplays() {
  const GeneralSettings& general = settings_.general;
  ui_.Panel79->setText(Text(ManufactureDateText(general)));
  ui_.Panel78->setText(Text(FirmwareVersionText(general.firmwareVersion)));
  ui_.Edit53->setText(QString::number(ShownSerialNumber(general.serialNumber)));
  ui_.Panel39->setText(ui_.Edit53->text());
  ui_.Panel38->setText(QString::number(general.qcCode & 0xFF));
  Select(ui_.ComboBox17, linkSettings_.portNumber - 1);
  ui_.Label2->setText(QString::number(linkSettings_.portNumber));
  showGroupBoxes();
  MarkSelectedGroups();
}

void SettingsPages::showLists() {
  const ChannelSettings& first = settings_.channels[0];
  const ChannelSettings& second = settings_.channels[1];
  SelectValue(ui_.ComboBox1, first.sensorType);
  SelectValue(ui_.ComboBox7, second.sensorType);
  SelectSetpointType(ui_.ComboBox2, first.setpointType1);
  SelectSetpointType(ui_.ComboBox3, first.setpointType2);
  SelectSetpointType(ui_.ComboBox31, second.setpointType1);
  SelectSetpointType(ui_.ComboBox9, second.setpointType2);
  SelectValue(ui_.ComboBox5, first.decimals);
  SelectValue(ui_.ComboBox11, second.decimals);
  SelectCount(ui_.ComboBox4, first.averaging);
  SelectCount(ui_.ComboBox10, second.averaging);
  SelectCount(ui_.ComboBox6, first.observations);
  SelectCount(ui_.ComboBox32, second.observations);
  SelectValue(ui_.ComboBox13, first.relayProcessing);
  SelectValue(ui_.ComboBox14, second.relayProcessing);
  ui_.CheckBox4->setChecked(first.rootExtraction != 0);
  ui_.CheckBox6->setChecked(second.rootExtraction != 0);
  ui_.CheckBox5->setChecked(first.channelEnable != 0);
  ui_.CheckBox7->setChecked(second.channelEnable != 0);
  SelectCount(ui_.ComboBox18, first.regulationInterval);
  SelectCount(ui_.ComboBox28, first.pulseInterval);
  Select(ui_.ComboBox30, directControl_.duty);
  SelectValue(ui_.ComboBox20, settings_.general.errorDisplay);
  SelectValue(ui_.ComboBox19, settings_.general.deviceType);
  Select(ui_.ComboBox27, settings_.general.qcCode & 0xFF);
}

void SettingsPages::showNumbers() {
  const ChannelSettings& first = settings_.channels[0];
  const ChannelSettings& second = settings_.channels[1];
  ShowNumber(ui_.Edit1, first.rangeMax);
  ShowNumber(ui_.Edit2, first.rangeMin);
  ShowNumber(ui_.Edit3, first.offset);
  ShowNumber(ui_.Edit4, first.rangeAdjust);
  ShowNumber(ui_.Edit5, first.setpoint1);
  ShowNumber(ui_.Edit7, first.setpoint2);
  ShowNumber(ui_.Edit6, first.hysteresis1);
  ShowNumber(ui_.Edit8, first.hysteresis2);
  ShowNumber(ui_.Edit13, second.rangeMax);
  ShowNumber(ui_.Edit14, second.rangeMin);
  ShowNumber(ui_.Edit15, second.offset);
  ShowNumber(ui_.Edit16, second.rangeAdjust);
  ShowNumber(ui_.Edit25, second.setpoint1);
  ShowNumber(ui_.Edit19, second.setpoint2);
  ShowNumber(ui_.Edit26, second.hysteresis1);
  ShowNumber(ui_.Edit20, second.hysteresis2);
  QLineEdit* polynomial1[] = {ui_.Edit9, ui_.Edit10, ui_.Edit11, ui_.Edit12};
  QLineEdit* polynomial2[] = {ui_.Edit21, ui_.Edit22, ui_.Edit23, ui_.Edit24};
  for (std::size_t k = 0; k < 4; ++k) {
    ShowNumber(polynomial1[k], first.polynomial[k]);
    ShowNumber(polynomial2[k], second.polynomial[k]);
  }
  ShowStep(ui_.ComboBox21, first.setpointStep);
  ShowStep(ui_.ComboBox22, first.hysteresisStep);
  ShowStep(ui_.ComboBox23, second.setpointStep);
  ShowStep(ui_.ComboBox24, second.hysteresisStep);
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
  return FieldTexts{
      .rangeMin = TextOf(ui_.Edit2),
      .serialNumber = TextOf(ui_.Edit53),
      .rangeMax = TextOf(ui_.Edit1),
      .offset = TextOf(ui_.Edit3),
      .rangeAdjust = TextOf(ui_.Edit4),
      .setpoint1 = TextOf(ui_.Edit5),
      .setpoint2 = TextOf(ui_.Edit7),
      .hysteresis1 = TextOf(ui_.Edit6),
      .hysteresis2 = TextOf(ui_.Edit8),
      .setpointStep = TextOf(ui_.ComboBox21),
      .hysteresisStep = TextOf(ui_.ComboBox22),
      .polynomial = {TextOf(ui_.Edit9), TextOf(ui_.Edit10), TextOf(ui_.Edit11), TextOf(ui_.Edit12)},
  };
}

std::vector<ListField> SettingsPages::listsWithoutSelection() const {
  const std::pair<ListField, const QComboBox*> lists[] = {
      {ListField::SensorType1, ui_.ComboBox1},   {ListField::SensorType2, ui_.ComboBox7},
      {ListField::Decimals1, ui_.ComboBox5},     {ListField::Decimals2, ui_.ComboBox11},
      {ListField::Averaging1, ui_.ComboBox4},    {ListField::Averaging2, ui_.ComboBox10},
      {ListField::Observations1, ui_.ComboBox6}, {ListField::Observations2, ui_.ComboBox32},
      {ListField::PwmPeriod, ui_.ComboBox18},    {ListField::MaxPulse, ui_.ComboBox28},
      {ListField::ErrorDisplay, ui_.ComboBox20}, {ListField::DeviceType, ui_.ComboBox19},
  };
  std::vector<ListField> unselected;
  for (const auto& [field, combo] : lists) {
    if (combo->currentIndex() < 0) unselected.push_back(field);
  }
  return unselected;
}

// The hidden group boxes checked as the group switches of the model are on.
void SettingsPages::showGroupBoxes() {
  ui_.CheckBox1->setChecked(settings_.channels[0].selected == 1);
  ui_.CheckBox2->setChecked(settings_.channels[1].selected == 1);
  ui_.CheckBox3->setChecked(settings_.relays.relaySelected == 1);
  ui_.CheckBox10->setChecked(settings_.general.generalSelected == 1);
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
