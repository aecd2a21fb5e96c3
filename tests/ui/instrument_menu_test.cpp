// "Найти прибор…" and "Сравнить с прибором…" against the simulated instrument.
#include <gtest/gtest.h>

#include <QAction>
#include <QTableWidget>

#include "tests/ui/window_rig.h"

namespace zorkan {
namespace {

using testing::ReadBytes;
using testing::WindowRig;

QTableWidget* TableOf(QDialog& dialog, const char* name) {
  return dialog.findChild<QTableWidget*>(name);
}

TEST(InstrumentSearch, FoundInstrumentGoesIntoDevDatAndThePortWorksWithIt) {
  WindowRig rig(true, {.networkAddress = 7, .baudRate = 19200});
  const std::string devDat = ReadBytes(rig.folder / "dev.dat");
  std::vector<QStringList> rows;
  rig.answerer.onDialog = [&](QDialog& dialog) {
    QTableWidget* found = TableOf(dialog, "FoundInstruments");
    for (int row = 0; row < found->rowCount(); ++row) {
      rows.push_back(
          {found->item(row, 0)->text(), found->item(row, 1)->text(), found->item(row, 2)->text()});
    }
    dialog.accept();
  };
  rig.find<QAction>("N4")->trigger();
  ASSERT_EQ(rows, (std::vector<QStringList>{{"7", "19200", "1.1.2"}}));

  std::string expected = devDat;
  expected.replace(expected.find("Settings=9600"), 13, "Settings=19200");
  expected.replace(expected.find("\nNetAdrr=1"), 10, "\nNetAdrr=7");
  EXPECT_EQ(ReadBytes(rig.folder / "dev.dat"), expected);
  rig.simulator.setFloatParameter(2, 29, 88.0f);
  rig.click("Button1");
  EXPECT_TRUE(rig.answerer.boxes.empty());
  EXPECT_EQ(rig.text("Edit5").trimmed(), "88.0000");
}

TEST(InstrumentComparison, OneChangedSettingIsOneRowUnderItsCaption) {
  WindowRig rig;
  rig.click("Button1");
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
  EXPECT_EQ(rows, (std::vector<QStringList>{{"Регулируемое значение", "150.0000", "160.0000"}}));

  rig.simulator.addFault({.kind = sim::FaultKind::Silence});
  rig.find<QAction>("N5")->trigger();
  EXPECT_EQ(rig.answerer.otherDialogs.size(), 1u);
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.answerer.boxes[0].text, "Прибор не ответил (ERR 2)");
}

}  // namespace
}  // namespace zorkan
