// The window in English: the captions of the open window change at once, the core's texts with
// them (composed ones too), the choice is kept in zorkan-config.ini, and Russian comes back as it
// was, byte for byte.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>

#include "tests/ui/window_rig.h"
#include "ui/core_text.h"
#include "ui/tab_pages.h"

namespace zorkan {
namespace {

using testing::ReadBytes;
using testing::WindowRig;

// What the test reads of the open window.
struct Shown {
  QString title;
  QString fileMenu;
  QString firstTab;
  QString sensorCaption;  // the label whose buddy is the sensor list
  QString sensorItem;     // an item of that list, from settings/
  QString place;
  QString instrument;
  QString confirmation;
  QString cancelButton;  // Qt's own
  bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& shown, std::ostream* out) {
  for (const QString& text :
       {shown.title, shown.fileMenu, shown.firstTab, shown.sensorCaption, shown.sensorItem,
        shown.place, shown.instrument, shown.confirmation, shown.cancelButton}) {
    *out << '"' << text.toStdString() << "\" ";
  }
}

// The port's device in the working folder, so that the place reads the same on every machine.
struct LanguageRig : WindowRig {
  LanguageRig() : WindowRig(false) {
    testing::WriteBytes(folder / "COM1", "");
    start();
  }

  Shown shown() const {
    const auto* sensors = find<QComboBox>("ComboBox1");
    QString caption;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
      if (label->buddy() == sensors) caption = label->text();
    }
    const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    return {window->windowTitle(),
            find<QMenu>("N1")->title(),
            find<QTabWidget>("TabbedNotebook1")->tabText(kChannelsPage),
            caption,
            sensors->itemText(9),
            find<QLabel>("LinkPlace")->text(),
            find<QLabel>("InstrumentOnPages")->text(),
            find<QLabel>("Confirmation")->text().section(',', 0, -2),
            buttons.button(QDialogButtonBox::Cancel)->text()};
  }
  void choose(const char* language) { find<QAction>(language)->trigger(); }
  std::string settingsFile() const { return ReadBytes(folder / "zorkan-config.ini"); }
};

TEST(WindowLanguage, EnglishRetranslatesTheOpenWindowAndRussianComesBackAsItWas) {
  LanguageRig rig;
  rig.choose("RussianLanguage");
  rig.click("Button1");
  const Shown russian = rig.shown();
  EXPECT_EQ(russian.firstTab, "Настройки каналов");
  EXPECT_EQ(russian.sensorItem, "ТХА ТП ХА(K) хромель/алюмель");
  EXPECT_EQ(russian.confirmation, "Прочитано из прибора № 12345");
  EXPECT_EQ(russian.cancelButton, "Отмена");

  rig.choose("EnglishLanguage");
  EXPECT_TRUE(rig.find<QAction>("EnglishLanguage")->isChecked());
  EXPECT_FALSE(rig.find<QAction>("RussianLanguage")->isChecked());
  const Shown english = rig.shown();
  EXPECT_EQ(english.title, "ZORKAN 740 NR PID Setup, user version 1.0.21.2 ");
  EXPECT_EQ(english.fileMenu, "&File");
  EXPECT_EQ(english.firstTab, "Channel settings");
  EXPECT_EQ(english.sensorCaption, "Sensor type");
  EXPECT_EQ(english.sensorItem, "Type K TC chromel/alumel");
  EXPECT_EQ(english.place, "Port 1 (COM1), 9600 baud, address 1");
  EXPECT_EQ(english.instrument, "Instrument No. 12345");
  EXPECT_EQ(english.confirmation, "Read from instrument No. 12345");
  EXPECT_EQ(english.cancelButton, "Cancel");
  EXPECT_NE(rig.settingsFile().find("[Window]\r\nLanguage=en"), std::string::npos)
      << rig.settingsFile();

  // The core's texts: a result's box, the place its detail composes, a step of a stopped read
  // the journal keeps, and a Russian text of no one's left as it is.
  rig.simulator.addFault({.kind = sim::FaultKind::Silence});
  rig.click("Button3");
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.answerer.boxes[0].caption, "Error");
  EXPECT_EQ(rig.answerer.boxes[0].text, "Instrument did not answer (ERR 2)");
  EXPECT_EQ(rig.answerer.boxes[0].detail,
            "Port 1 (COM1), 9600 baud, address 1.\nCheck the instrument connection, \"Link "
            "settings…\" or \"Find instrument…\".");
  EXPECT_EQ(CoreText("Идет чтение настроек канала 2: Чтение типа датчика"),
            "Reading settings of channel 2: Reading sensor type");
  EXPECT_EQ(CoreText("Описание нашей печи"), "Описание нашей печи");
  rig.simulator.clearFaults();
  rig.click("Button1");

  rig.choose("RussianLanguage");
  EXPECT_EQ(rig.shown(), russian);
  EXPECT_NE(rig.settingsFile().find("Language=ru"), std::string::npos);
  EXPECT_EQ(CoreText("Прибор не ответил (ERR 2)"), "Прибор не ответил (ERR 2)");
}

}  // namespace
}  // namespace zorkan
