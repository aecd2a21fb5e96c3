// "Найти прибор…", "Сравнить с прибором…" and "Записать в несколько приборов…" against the
// simulated instruments.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <set>

#include "profiles/profile_keys.h"
#include "tests/ui/window_rig.h"
#include "ui/setting_captions.h"

namespace zorkan {
namespace {

using testing::ReadBytes;
using testing::WindowRig;

QTableWidget* TableOf(QDialog& dialog, const char* name) {
  return dialog.findChild<QTableWidget*>(name);
}

std::vector<QStringList> RowsOf(const QTableWidget& table) {
  std::vector<QStringList> rows;
  for (int row = 0; row < table.rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < table.columnCount(); ++column) {
      cells << table.item(row, column)->text();
    }
    rows.push_back(cells);
  }
  return rows;
}

// The choice before a search: at dev.dat's baud rate only, or at every rate. false for another
// dialog.
bool ChooseRates(QDialog& dialog, bool everyRate) {
  auto* choice = dialog.findChild<QRadioButton*>(everyRate ? "EveryRate" : "OwnRateOnly");
  if (choice == nullptr) return false;
  choice->setChecked(true);
  dialog.accept();
  return true;
}

// A search narrowed to dev.dat's baud rate misses an instrument at another one, says how far it
// has got and where it looked; a search at every rate finds it, and the status line then names it.
TEST(InstrumentSearch, FoundInstrumentGoesIntoDevDatAndThePortWorksWithIt) {
  WindowRig rig(false, {.networkAddress = 7, .baudRate = 19200});
  testing::WriteBytes(rig.folder / "COM1", "");
  rig.start();
  const std::string devDat = ReadBytes(rig.folder / "dev.dat");
  std::vector<QStringList> rows;
  std::set<QString> steps;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout,
                   [&] { steps.insert(rig.find<QLabel>("Label110")->text()); });
  watcher.start(0);
  rig.answerer.onDialog = [&](QDialog& dialog) { ChooseRates(dialog, false); };
  rig.find<QAction>("N4")->trigger();
  EXPECT_TRUE(steps.contains("Сетевой адрес 12 из 32, 9600 бод"));
  EXPECT_FALSE(rig.find<QAction>("N6")->isEnabled());
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.answerer.boxes[0].text, "Прибор не ответил (ERR 2)");
  EXPECT_EQ(rig.answerer.boxes[0].detail,
            "Порт 1 (COM1), адреса 1–32, 9600 бод: никто не ответил.");

  rig.answerer.onDialog = [&](QDialog& dialog) {
    if (ChooseRates(dialog, true)) return;
    rows = RowsOf(*TableOf(dialog, "FoundInstruments"));
    dialog.accept();
  };
  rig.find<QAction>("N4")->trigger();
  watcher.stop();
  EXPECT_TRUE(steps.contains("Сетевой адрес 32 из 32, 57600 бод"));
  ASSERT_EQ(rows, (std::vector<QStringList>{
                      {"7", "19200", "12351", "740 НР Одноканальн. ПИД регул.", "1.1.2"}}));
  EXPECT_EQ(rig.find<QLabel>("LinkPlace")->text(), "Порт 1 (COM1), 19200 бод, адрес 7");
  EXPECT_TRUE(rig.find<QLabel>("LinkState")->text().startsWith("Отвечает, ответ "));
  EXPECT_TRUE(rig.find<QLabel>("Confirmation")
                  ->text()
                  .startsWith("Обмен с прибором № 12351: адрес 7, 19200 бод, 10:"));

  std::string expected = devDat;
  expected.replace(expected.find("Settings=9600"), 13, "Settings=19200");
  expected.replace(expected.find("\nNetAdrr=1"), 10, "\nNetAdrr=7");
  EXPECT_EQ(ReadBytes(rig.folder / "dev.dat"), expected);
  rig.simulator.setFloatParameter(2, 29, 88.0f);
  rig.click("Button1");
  EXPECT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.text("Edit5").trimmed(), "88.0000");
}

// Each changed setting is one row under the caption the pages give it, a list's value shown as
// its item.
TEST(InstrumentComparison, ChangedSettingsAreRowsUnderTheirCaptionsWithTheirItems) {
  WindowRig rig;
  rig.click("Button1");
  rig.find<QComboBox>("ComboBox1")->setCurrentIndex(kSensorCurrent0To5mA);
  rig.find<QLineEdit>("Edit5")->setText("160");
  std::vector<QStringList> rows;
  rig.answerer.onDialog = [&](QDialog& dialog) {
    QTableWidget* differences = TableOf(dialog, "Differences");
    for (int row = 0; row < differences->rowCount(); ++row) {
      rows.push_back({differences->item(row, 0)->text(), differences->item(row, 1)->text(),
                      differences->item(row, 2)->text()});
    }
    dialog.reject();
  };
  rig.find<QAction>("N5")->trigger();
  EXPECT_EQ(rows,
            (std::vector<QStringList>{{"Тип датчика", "ТХА ТП ХА(K) хромель/алюмель", "Ток 0-5 мА"},
                                      {"Регулируемое значение", "150.0000", "160.0000"}}));

  rig.simulator.addFault({.kind = sim::FaultKind::Silence});
  rig.find<QAction>("N5")->trigger();
  EXPECT_EQ(rig.answerer.otherDialogs.size(), 1u);
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.answerer.boxes[0].text, "Прибор не ответил (ERR 2)");
}

// A value is shown as its control shows it only where the control gives that value back: a
// setpoint type of 7 from an instrument would otherwise read "Нет", as 0 does.
TEST(InstrumentComparison, ValuesAreItemsOnlyWhereTheControlHoldsThem) {
  const struct {
    const char* section;
    const char* key;
    const char* value;
    const char* shown;
  } cases[] = {
      {"CH1", "dat", "9", "ТХА ТП ХА(K) хромель/алюмель"},
      {"CH1", "dat", "30", "30"},
      {"CH2", "th_type1", "2", "Повышение"},
      {"CH2", "th_type1", "7", "7"},
      {"CH1", "flag", "1", "да"},
      {"CH1", "flag", "5", "5"},
      {"GEN", "proc_ver", "3", "740 НР Одноканальн. ПИД регул."},
      {"CH1", "ns", "3", "3"},
      {"CH1", "th1", "150.0000", "150.0000"},
  };
  for (const auto& [section, key, value, shown] : cases) {
    EXPECT_EQ(SettingValueText(section, key, value), shown)
        << section << " " << key << " " << value;
  }
}

// A comparison names each setting shown on the pages by the caption beside its control (a bare
// "0" only in brackets after what it is).
TEST(InstrumentComparison, EveryShownSettingIsNamedByTheCaptionBesideItsControl) {
  WindowRig rig;
  auto* tabs = rig.find<QTabWidget>("TabbedNotebook1");
  int named = 0;
  for (int page = 0; page < tabs->count(); ++page) {
    tabs->setCurrentIndex(page);
    for (const profile::KeyPlace& place : profile::EveryKeyPlace()) {
      const PageBinding* binding = PageBindingOf(place);
      if (binding == nullptr) continue;
      QWidget* control = rig.find<QWidget>(std::string(binding->control).c_str());
      if (!control->isVisible()) continue;
      SCOPED_TRACE(binding->control);
      QString beside;
      if (const auto* check = qobject_cast<QCheckBox*>(control)) beside = check->text();
      for (const QLabel* label : rig.window->findChildren<QLabel*>()) {
        if (label->buddy() == control) beside = label->text().trimmed();
      }
      const QString caption = QString::fromStdString(profile::CaptionOf(place));
      EXPECT_TRUE(caption == beside || caption.endsWith(" (" + beside + ")"))
          << caption.toStdString();
      ++named;
    }
  }
  EXPECT_GT(named, 20);
}

// The pages go to the instruments left checked, each one's result is shown, and the window works
// with its own instrument again afterwards.
TEST(LineOfInstruments, WriteReachesEveryCheckedInstrumentAndTheWindowKeepsItsOwn) {
  WindowRig rig(true, {.networkAddress = 1, .moreAddresses = {2, 7}});
  EXPECT_FALSE(rig.find<QAction>("N6")->isEnabled()) << "nothing found yet";
  rig.answerer.onDialog = [](QDialog& dialog) {
    if (!ChooseRates(dialog, false)) dialog.reject();
  };
  rig.find<QAction>("N4")->trigger();
  ASSERT_TRUE(rig.find<QAction>("N6")->isEnabled());

  rig.find<QLineEdit>("Edit5")->setText("160");
  std::vector<QStringList> offered;
  std::vector<QStringList> results;
  rig.answerer.onDialog = [&](QDialog& dialog) {
    if (QTableWidget* found = TableOf(dialog, "FoundInstruments")) {
      offered = RowsOf(*found);
      found->item(1, 0)->setCheckState(Qt::Unchecked);
      dialog.accept();
    } else {
      results = RowsOf(*TableOf(dialog, "LineResults"));
      dialog.reject();
    }
  };
  rig.find<QAction>("N6")->trigger();
  EXPECT_EQ(offered.size(), 3u);
  EXPECT_EQ(results, (std::vector<QStringList>{{"1", "9600", "12345", "Записан"},
                                               {"7", "9600", "12351", "Записан"}}));
  EXPECT_EQ(rig.simulator.instrument(1).floatParameter(2, 29), 160.0f);
  EXPECT_EQ(rig.simulator.instrument(2).floatParameter(2, 29), 150.0f);
  EXPECT_EQ(rig.simulator.instrument(7).floatParameter(2, 29), 160.0f);
  EXPECT_TRUE(rig.answerer.boxes.empty());
  EXPECT_TRUE(rig.find<QLabel>("Confirmation")->text().startsWith("Записано в приборы линии: 2, "));

  rig.simulator.instrument(1).setFloatParameter(2, 29, 88.0f);
  rig.click("Button1");
  EXPECT_TRUE(rig.answerer.boxes.empty());
  EXPECT_EQ(rig.text("Edit5").trimmed(), "88.0000");
}

}  // namespace
}  // namespace zorkan
