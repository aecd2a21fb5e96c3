// "Параметры связи…": dev.dat's link settings changed from the window, and the link working with
// them at once.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "tests/ui/window_rig.h"

namespace zorkan {
namespace {

using testing::ReadBytes;
using testing::WindowRig;

template <typename Widget>
Widget* Field(QDialog& dialog, const char* name) {
  return dialog.findChild<Widget*>(name);
}

// What the operator types over a field's whole text, key by key as the keyboard sends them.
void TypeOver(QSpinBox* field, const QString& text) {
  field->selectAll();
  for (const QChar character : text) {
    const int key = character == '-' ? Qt::Key_Minus : Qt::Key_0 + character.digitValue();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, character);
    QApplication::sendEvent(field, &press);
  }
}

struct Shown {
  QString port, baudRate;
  int address, attempts, timeout;
  bool operator==(const Shown&) const = default;
};

Shown ShownIn(QDialog& dialog) {
  return {Field<QComboBox>(dialog, "PortNumber")->currentText(),
          Field<QComboBox>(dialog, "BaudRate")->currentText(),
          Field<QSpinBox>(dialog, "NetworkAddress")->value(),
          Field<QSpinBox>(dialog, "Attempts")->value(),
          Field<QSpinBox>(dialog, "ReplyTimeout")->value()};
}

// An instrument dev.dat does not name is silent; once the dialog names it, the next read reaches
// it, and the status line forgets what the old address did.
TEST(LinkSettingsDialog, ChosenSettingsGoIntoDevDatAndTheNextReadGoesToThem) {
  WindowRig rig(true, {.networkAddress = 7, .baudRate = 19200});
  const std::string devDat = ReadBytes(rig.folder / "dev.dat");
  rig.click("Button1");
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.find<QLabel>("LinkState")->text(), "Не отвечает");
  std::vector<Shown> shown;
  rig.answerer.onDialog = [&](QDialog& dialog) {
    shown.push_back(ShownIn(dialog));
    Field<QComboBox>(dialog, "BaudRate")->setCurrentText("19200");
    Field<QSpinBox>(dialog, "NetworkAddress")->setValue(7);
    Field<QSpinBox>(dialog, "Attempts")->setValue(4);
    Field<QSpinBox>(dialog, "ReplyTimeout")->setValue(3);
    dialog.accept();
  };
  rig.find<QAction>("ChangeLinkSettings")->trigger();
  EXPECT_EQ(shown.front(), (Shown{"1", "9600", 1, 2, 1}));

  std::string expected = devDat;
  for (const auto& [from, to] : {std::pair{"Settings=9600", "Settings=19200"},
                                 {"\nNetAdrr=1", "\nNetAdrr=7"},
                                 {"NOfReadings=2", "NOfReadings=4"},
                                 {"TimeOut=1", "TimeOut=3"}}) {
    expected.replace(expected.find(from), std::string_view(from).size(), to);
  }
  EXPECT_EQ(ReadBytes(rig.folder / "dev.dat"), expected);
  EXPECT_EQ(rig.find<QLabel>("LinkState")->text(), "Обмена ещё не было");

  rig.simulator.clearReceivedFrames();
  rig.simulator.setFloatParameter(2, 29, 88.0f);
  rig.click("Button1");
  EXPECT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_TRUE(rig.find<QLabel>("LinkState")->text().startsWith("Отвечает"));
  EXPECT_EQ(rig.text("Edit5").trimmed(), "88.0000");
  EXPECT_NE(rig.simulator.receivedFrames().front().find(":7;37;"), std::string::npos);
  EXPECT_TRUE(rig.find<QLabel>("LinkPlace")->text().endsWith(", 19200 бод, адрес 7"));

  rig.answerer.onDialog = [&](QDialog& dialog) {
    shown.push_back(ShownIn(dialog));
    dialog.reject();
  };
  rig.find<QAction>("ChangeLinkSettings")->trigger();
  EXPECT_EQ(shown.back(), (Shown{"1", "19200", 7, 4, 3}));
}

// Only what the link takes can be typed; a port number dev.dat holds outside 1..4 has to be
// chosen before OK takes anything.
TEST(LinkSettingsDialog, ValuesOutsideTheLinksRangesAreRefused) {
  WindowRig rig(false);
  testing::WriteBytes(rig.folder / "dev.dat", "[COM_SETTINGS]\r\nNumber=7\r\n");
  rig.start();
  bool okBeforeChoice = true;
  rig.answerer.onDialog = [&](QDialog& dialog) {
    QPushButton* ok = Field<QDialogButtonBox>(dialog, "Buttons")->button(QDialogButtonBox::Ok);
    okBeforeChoice = ok->isEnabled();
    Field<QComboBox>(dialog, "PortNumber")->setCurrentIndex(1);
    TypeOver(Field<QSpinBox>(dialog, "NetworkAddress"), "-3");
    TypeOver(Field<QSpinBox>(dialog, "Attempts"), "4");
    TypeOver(Field<QSpinBox>(dialog, "Attempts"), "9");
    TypeOver(Field<QSpinBox>(dialog, "ReplyTimeout"), "25");
    ok->click();
  };
  rig.find<QAction>("ChangeLinkSettings")->trigger();
  EXPECT_FALSE(okBeforeChoice);
  const std::string devDat = ReadBytes(rig.folder / "dev.dat");
  for (const char* line : {"Number=2\r\n", "NetAdrr=3\r\n", "NOfReadings=4\r\n", "TimeOut=2\r\n"}) {
    EXPECT_NE(devDat.find(line), std::string::npos) << line << devDat;
  }
}

}  // namespace
}  // namespace zorkan
