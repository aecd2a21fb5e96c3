// The status line: which port, baud rate, address and instrument the window works with, whether
// the instrument answers, and the word after an action; and where a request went that got no
// answer, in the box's detail.
#include <gtest/gtest.h>

#include <QLabel>
#include <QRegularExpression>

#include "tests/ui/window_rig.h"
#include "ui/tab_pages.h"

namespace zorkan {
namespace {

using testing::WindowRig;

// The port's device in the working folder, so that the place reads the same on every machine.
struct PortInFolderRig : WindowRig {
  PortInFolderRig() : WindowRig(false) {
    testing::WriteBytes(folder / "COM1", "");
    start();
  }
  QString part(const char* name) const { return find<QLabel>(name)->text(); }
};

TEST(StatusLine, ReadShowsTheInstrumentAndASilentOneIsSaidNotToAnswer) {
  PortInFolderRig rig;
  EXPECT_EQ(rig.part("LinkPlace"), "Порт 1 (COM1), 9600 бод, адрес 1");
  EXPECT_EQ(rig.part("InstrumentOnPages"), "Прибор: нет данных");
  EXPECT_EQ(rig.part("LinkState"), "Обмена ещё не было");

  rig.click("Button1");
  EXPECT_EQ(rig.part("InstrumentOnPages"), "Прибор № 12345");
  EXPECT_EQ(rig.part("LinkState"), "Отвечает, ответ только что");
  EXPECT_TRUE(rig.part("Confirmation")
                  .contains(QRegularExpression("^Прочитано из прибора № 12345, 10:\\d\\d:\\d\\d$")))
      << rig.part("Confirmation").toStdString();

  rig.simulator.addFault({.kind = sim::FaultKind::Silence});
  rig.showPage(kCurrentValuesPage);
  rig.window->PollLiveValues();
  EXPECT_TRUE(rig.part("LinkState").startsWith("Не отвечает, ответ был "))
      << rig.part("LinkState").toStdString();
  EXPECT_EQ(rig.find<QLabel>("LinkState")->palette().color(QPalette::Window), QColor(Qt::yellow));

  // A failed write leaves no word of success behind, and its box says where the request went.
  rig.click("Button3");
  EXPECT_EQ(rig.part("Confirmation"), "");
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.answerer.boxes[0].text, "Прибор не ответил (ERR 2)");
  EXPECT_EQ(rig.answerer.boxes[0].detail.rfind("Порт 1 (COM1), 9600 бод, адрес 1.\n", 0), 0u)
      << rig.answerer.boxes[0].detail;

  rig.simulator.clearFaults();
  rig.click("Button3");
  EXPECT_TRUE(rig.part("Confirmation").startsWith("Записано в прибор № 12345, 10:"));
  EXPECT_TRUE(rig.part("LinkState").startsWith("Отвечает"));
}

}  // namespace
}  // namespace zorkan
