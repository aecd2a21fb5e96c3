// "Журнал настроек…" and "Вернуть настройки до записи" against the simulated instrument.
#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <utility>

#include "tests/ui/window_rig.h"

namespace zorkan {
namespace {

using testing::WindowRig;

std::vector<QStringList> Rows(const QTableWidget& table, int columns) {
  std::vector<QStringList> rows;
  for (int row = 0; row < table.rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < columns; ++column) cells << table.item(row, column)->text();
    rows.push_back(cells);
  }
  return rows;
}

// No write yet, nothing to go back to. After a read and a write of one changed value, the journal
// window lists both newest first, shows the read's differences from the pages under their
// captions, both values in sight however long, and its button, like the menu item, puts the value
// from before the write back on the pages without a frame to the instrument.
TEST(ConfigurationJournal, RestoreBeforeWritePutsThePreWriteValuesBackAndSendsNothing) {
  WindowRig rig;
  rig.click("Button1");
  rig.find<QAction>("RestoreBeforeWrite")->trigger();
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.answerer.boxes[0].text.rfind("В журнале нет удачного чтения прибора № 12345", 0),
            0u);

  rig.find<QLineEdit>("Edit5")->setText("160");
  rig.click("Button3");
  ASSERT_EQ(rig.simulator.floatParameter(2, 29), 160.0f);
  const std::size_t framesSent = rig.simulator.receivedFrames().size();

  const QString longLine = "Печь 3, зона нагрева 2: коэффициенты подобраны при пусконаладке " +
                           QString("после замены нагревателя и термопары, проверено на 150 и 300");
  auto* description = rig.find<QTextEdit>("RichEdit1");
  QStringList lines = description->toPlainText().split('\n');
  lines[0] = longLine;
  description->setPlainText(lines.join('\n'));
  std::vector<QStringList> entries;
  std::vector<QStringList> differences;
  bool bothValuesInSight = false;
  // The comparison's box is modal over the journal window: it is opened from the window's own
  // event loop, where the answerer sees it.
  bool compareClicked = false;
  rig.answerer.onDialog = [&](QDialog& dialog) {
    if (dialog.objectName() == "DifferencesDialog") {
      const auto* table = dialog.findChild<QTableWidget*>("Differences");
      differences = Rows(*table, 3);
      const QHeaderView* header = table->horizontalHeader();
      bothValuesInSight =
          header->sectionSize(1) > 150 && header->sectionSize(2) > 150 &&
          header->sectionViewportPosition(2) + header->sectionSize(2) <= table->viewport()->width();
      dialog.reject();
      return;
    }
    if (!std::exchange(compareClicked, true)) {
      auto* table = dialog.findChild<QTableWidget*>("JournalEntries");
      entries = Rows(*table, 5);
      for (QStringList& row : entries) row.removeFirst();  // the time
      table->selectRow(1);
      QTimer::singleShot(0, dialog.findChild<QPushButton*>("CompareButton"), &QPushButton::click);
    } else if (!differences.empty()) {
      dialog.findChild<QPushButton*>("RestoreButton")->click();
    }
  };
  rig.find<QAction>("ConfigurationJournal")->trigger();
  EXPECT_EQ(entries,
            (std::vector<QStringList>{{"Запись", "Выполнено", "12345 (страницы)", entries[0][3]},
                                      {"Чтение", "Выполнено", "12345 (прибор)", entries[1][3]}}));
  EXPECT_EQ(differences,
            (std::vector<QStringList>{{"Регулируемое значение", "150.0000", "160.0000"},
                                      {"Описание настроек, строка 1", entries[1][3], longLine}}));
  EXPECT_TRUE(bothValuesInSight);
  EXPECT_EQ(rig.text("Edit5").trimmed(), "150.0000");
  EXPECT_TRUE(rig.window->windowTitle().contains("-read.prf"))
      << rig.window->windowTitle().toStdString();

  rig.find<QLineEdit>("Edit5")->setText("170");
  rig.find<QAction>("RestoreBeforeWrite")->trigger();
  EXPECT_EQ(rig.text("Edit5").trimmed(), "150.0000");
  EXPECT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.simulator.receivedFrames().size(), framesSent);
  EXPECT_EQ(rig.simulator.floatParameter(2, 29), 160.0f);
}

}  // namespace
}  // namespace zorkan
