// The main window driven as an operator drives it, against the simulated instrument.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTextEdit>
#include <functional>

#include "link/port_path.h"
#include "sim/virtual_clock.h"
#include "tests/support/scripted_port.h"
#include "tests/ui/window_rig.h"
#include "ui/tab_pages.h"

namespace zorkan {
namespace {

using testing::ReadBytes;
using testing::WindowRig;

bool SawBox(const WindowRig& rig, const std::string& text) {
  for (const testing::SeenBox& box : rig.answerer.boxes) {
    if (box.text == text) return true;
  }
  return false;
}

// Runs `look` at every step of a sequence started by `action` (steps let events through).
void WatchSteps(const std::function<void()>& action, const std::function<void()>& look) {
  QTimer watcher;
  watcher.setInterval(0);
  QObject::connect(&watcher, &QTimer::timeout, look);
  watcher.start();
  action();
  watcher.stop();
}

TEST(StartUp, FirstStartInAnEmptyFolderWritesItsFilesAndShowsTheDefaultProfile) {
  WindowRig rig;
  for (const char* file : {"dev.dat", "recent.prf", "ZORKAN740_PID.prf"}) {
    EXPECT_TRUE(std::filesystem::is_regular_file(rig.folder / file)) << file;
  }
  EXPECT_EQ(rig.window->windowTitle(),
            "Настройка ЗОРКАН 740 НР ПИД пользовательская версия 1.0.21.2 ");
  EXPECT_EQ(rig.find<QLabel>("Label2")->text(), "1");
  EXPECT_EQ(rig.text("Edit5").trimmed(), "40.0000");
  EXPECT_EQ(rig.text("Edit7").trimmed(), "555.0000");
  EXPECT_EQ(rig.find<QComboBox>("ComboBox1")->currentText(), "Ток 0-5 мА");
  EXPECT_EQ(rig.text("Edit1").trimmed(), "5.0000");  // the profile asks for nominal ranges
  EXPECT_FALSE(rig.find<QWidget>("Panel76")->isVisible());
  EXPECT_TRUE(rig.answerer.boxes.empty());
}

// What a screen reader on Linux announces as an input's caption: the label it is labelled by (Qt
// names a combo box there by its current item, so only the label gives its caption), else its
// accessible name.
QString AnnouncedCaption(QWidget* input) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(input);
  for (const auto& [label, relation] : accessible->relations(QAccessible::Label)) {
    if (qobject_cast<QLabel*>(label->object()) != nullptr) return label->text(QAccessible::Name);
  }
  return accessible->text(QAccessible::Name);
}

QString ValueOf(QWidget* input) {
  if (const auto* combo = qobject_cast<QComboBox*>(input)) return combo->currentText();
  if (const auto* edit = qobject_cast<QLineEdit*>(input)) return edit->text();
  return {};
}

// Screen readers announce each input by the caption the operator reads beside it.
TEST(StartUp, EveryVisibleInputAnnouncesTheCaptionShownBesideIt) {
  WindowRig rig;
  auto* tabs = rig.find<QTabWidget>("TabbedNotebook1");
  for (int page = 0; page < tabs->count(); ++page) {
    tabs->setCurrentIndex(page);
    for (QWidget* input : rig.window->findChildren<QWidget*>()) {
      const bool check = qobject_cast<QCheckBox*>(input) != nullptr;
      const bool field = qobject_cast<QLineEdit*>(input) != nullptr ||
                         qobject_cast<QComboBox*>(input) != nullptr ||
                         qobject_cast<QTextEdit*>(input) != nullptr;
      // An editable list's own line edit speaks for the list.
      const bool partOfList = qobject_cast<QComboBox*>(input->parentWidget()) != nullptr;
      if (!(field || check) || partOfList || !input->isVisible()) continue;
      SCOPED_TRACE(input->objectName().toStdString());
      const QString caption = AnnouncedCaption(input);
      EXPECT_FALSE(caption.trimmed().isEmpty());
      EXPECT_NE(caption, ValueOf(input));
      if (check) continue;  // a check box's own text is its caption
      // The caption is a label the operator sees, and it names the input itself as well.
      const QLabel* shown = nullptr;
      for (const QLabel* label : input->parentWidget()->findChildren<QLabel*>()) {
        if (label->buddy() == input && label->isVisible()) shown = label;
      }
      ASSERT_NE(shown, nullptr);
      EXPECT_EQ(caption, shown->text());
      if (qobject_cast<QComboBox*>(input) == nullptr) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(input)->text(QAccessible::Name), caption);
      }
    }
  }
}

// Each time field's hint names the quantity it sends (derivative time 2:6, integral time 2:7), and
// a screen reader hears the same hint.
TEST(StartUp, EachTimeFieldHintsAtTheQuantityItSends) {
  WindowRig rig;
  const struct {
    const char* caption;
    const char* hint;
    int parameter;
    const char* typed;
  } fields[] = {{"T  дифф", "Величина времени дифференцирования.", 6, "12.5"},
                {"T инт", "Величина времени интегрирования.", 7, "34.5"}};
  for (const auto& field : fields) {
    QWidget* input = nullptr;
    for (const QLabel* label : rig.window->findChildren<QLabel*>()) {
      if (label->text() == field.caption) input = label->buddy();
    }
    ASSERT_NE(input, nullptr) << field.caption;
    EXPECT_EQ(input->toolTip(), field.hint);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(input)->text(QAccessible::Description),
              field.hint);
    static_cast<QLineEdit*>(input)->setText(field.typed);
  }
  rig.click("Button3");
  for (const auto& field : fields) {
    EXPECT_EQ(rig.simulator.floatParameter(2, field.parameter), std::stof(field.typed))
        << field.caption;
  }
}

// A tab typed into the description would go into the profile's description lines.
TEST(Keyboard, TabAndShiftTabLeaveTheDescriptionUnchanged) {
  WindowRig rig;
  QApplication::setActiveWindow(rig.window.get());
  auto* description = rig.find<QTextEdit>("RichEdit1");
  const QString text = description->toPlainText();
  for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
    description->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(rig.window->focusWidget(), description);
    // As the keyboard sends them: Tab carries its character.
    QKeyEvent press(QEvent::KeyPress, key,
                    key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier,
                    key == Qt::Key_Tab ? QString("\t") : QString());
    QApplication::sendEvent(description, &press);
    EXPECT_NE(rig.window->focusWidget(), description) << key;
    EXPECT_EQ(description->toPlainText(), text);
  }
}

TEST(ReadAll, PagesShowTheInstrumentAndTheButtonsRestWhileItRuns) {
  WindowRig rig;
  rig.simulator.setFloatParameter(2, 29, 123.5f);
  rig.simulator.setFloatParameter(2, 30, 7.25f);
  bool button1Disabled = false;
  bool panelShown = false;
  std::vector<QString> steps;
  WatchSteps([&] { rig.click("Button1"); },
             [&] {
               button1Disabled |= !rig.find<QPushButton>("Button1")->isEnabled();
               panelShown |= rig.find<QWidget>("Panel76")->isVisible();
               steps.push_back(rig.find<QLabel>("Label110")->text());
             });
  EXPECT_TRUE(button1Disabled);
  EXPECT_TRUE(panelShown);
  EXPECT_NE(std::find(steps.begin(), steps.end(), "Чтение типа датчика"), steps.end());
  EXPECT_TRUE(rig.find<QPushButton>("Button1")->isEnabled());
  EXPECT_FALSE(rig.find<QWidget>("Panel76")->isVisible());
  EXPECT_EQ(rig.text("Edit5").trimmed(), "123.5000");
  EXPECT_EQ(rig.text("Edit7").trimmed(), "7.2500");
  EXPECT_EQ(rig.find<QComboBox>("ComboBox1")->currentText(), "ТХА ТП ХА(K) хромель/алюмель");
  EXPECT_TRUE(rig.answerer.boxes.empty());
}

TEST(ReadAll, EscapeStopsTheReadWithItsBoxAndGivesTheButtonsBack) {
  WindowRig rig;
  bool pressed = false;
  WatchSteps([&] { rig.click("Button1"); },
             [&] {
               if (std::exchange(pressed, true)) return;
               QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
               QApplication::sendEvent(
                   rig.window->focusWidget() ? rig.window->focusWidget() : rig.window.get(),
                   &escape);
             });
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.answerer.boxes[0].text, "Ход процесса остановлен пользователем (ERR 20)");
  EXPECT_EQ(rig.answerer.boxes[0].caption, "Информация пользователю");
  EXPECT_LT(rig.simulator.receivedFrames().size(), 10u);
  EXPECT_FALSE(rig.find<QWidget>("Panel76")->isVisible());
  EXPECT_TRUE(rig.find<QPushButton>("Button1")->isEnabled());
  EXPECT_TRUE(rig.find<QPushButton>("Button3")->isEnabled());
}

TEST(WriteAll, RefusedClampSendsNothingAcceptedClampIsWritten) {
  WindowRig rig;
  rig.find<QLineEdit>("Edit5")->setText("12000");
  rig.click("Button3");
  EXPECT_TRUE(rig.simulator.receivedFrames().empty());
  EXPECT_TRUE(SawBox(rig, "Прекратили запись чтобы поправить настройки (ERR 17)"));

  rig.answerer.questions = {QMessageBox::Yes};
  rig.click("Button3");
  EXPECT_EQ(rig.simulator.floatParameter(2, 29), 9999.0f);
  EXPECT_EQ(rig.simulator.byteParameter(2, 0), 47);  // the write ran to its end
}

TEST(WriteAll, MissingInstrumentGivesTheNoAnswerBox) {
  WindowRig rig;
  rig.simulator.addFault({.kind = sim::FaultKind::Silence});
  rig.click("Button3");
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.answerer.boxes[0].text, "Прибор не ответил (ERR 2)");
  EXPECT_EQ(rig.answerer.boxes[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(rig.find<QPushButton>("Button3")->isEnabled());
}

TEST(Pages, LeavingASettingsPageCommitsLeavingDirectControlDoesNot) {
  WindowRig rig;
  rig.find<QLineEdit>("Edit1")->setText("abc");
  rig.showPage(kRelaysPage);
  EXPECT_EQ(rig.text("Edit1").trimmed(), "0.0000");

  rig.showPage(kDirectControlPage);
  rig.find<QLineEdit>("Edit1")->setText("abc");
  rig.showPage(kChannelsPage);
  EXPECT_EQ(rig.text("Edit1"), "abc");
}

TEST(ProfileMenu, SavedProfileLoadsBackAndAFailedLoadChangesNothing) {
  WindowRig rig;
  const std::string saved = (rig.folder / "a.prf").string();
  rig.find<QLineEdit>("Edit5")->setText("77.5");
  rig.answerer.files = {saved};
  rig.find<QAction>("N3")->trigger();
  ASSERT_TRUE(std::filesystem::is_regular_file(saved));

  rig.find<QLineEdit>("Edit5")->setText("1");
  rig.answerer.files = {saved};
  rig.find<QAction>("N2")->trigger();
  EXPECT_EQ(rig.text("Edit5").trimmed(), "77.5000");
  const QString title = rig.window->windowTitle();
  EXPECT_EQ(title, QString::fromStdString("Настройка ЗОРКАН 740 НР ПИД 1.0.21.2 " + saved));

  rig.find<QLineEdit>("Edit5")->setText("2");
  rig.answerer.files = {(rig.folder / "no such folder" / "b.prf").string()};
  rig.find<QAction>("N2")->trigger();
  EXPECT_EQ(rig.text("Edit5"), "2");  // neither defaults nor half a profile
  EXPECT_EQ(rig.window->windowTitle(), title);
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.answerer.boxes[0].text.rfind("Unable to write to ", 0), 0u);
}

// A file cut short loads, but its missing settings would go to the instrument as defaults: the
// operator hears of them once. A file that is no profile at all is never changed by a load.
TEST(ProfileMenu, MissingSettingsAreToldOnceAndAForeignFileIsLeftAlone) {
  WindowRig rig;
  const std::filesystem::path whole = rig.folder / "whole.prf";
  rig.answerer.files = {whole.string()};
  rig.find<QAction>("N3")->trigger();
  const std::string bytes = ReadBytes(whole);
  const std::filesystem::path cut = rig.folder / "cut.prf";
  testing::WriteBytes(cut, bytes.substr(0, bytes.find("th1", bytes.find("[CH2]"))));
  rig.answerer.files = {cut.string()};
  rig.find<QAction>("N2")->trigger();
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_NE(rig.answerer.boxes[0].text.find("CH2 th1"), std::string::npos);
  EXPECT_EQ(rig.answerer.boxes[0].icon, QMessageBox::Warning);

  const std::filesystem::path foreign = rig.folder / "notes.txt";
  const std::string junk(5000, 'x');
  testing::WriteBytes(foreign, junk);
  rig.answerer.files = {foreign.string()};
  rig.find<QAction>("N2")->trigger();
  EXPECT_EQ(rig.answerer.boxes.size(), 2u);
  EXPECT_EQ(ReadBytes(foreign), junk);
}

TEST(Port, ChoiceReopensAtOnceAndCloseWritesOnlyThePortNumber) {
  WindowRig rig;
  const std::string devDat = ReadBytes(rig.folder / "dev.dat");
  QComboBox* ports = rig.find<QComboBox>("ComboBox17");
  ports->setCurrentIndex(2);
  Q_EMIT ports->activated(2);
  EXPECT_EQ(rig.simulator.port().openedPath(), PortPath(3, rig.folder.path()).string());
  EXPECT_EQ(rig.find<QLabel>("Label2")->text(), "3");

  rig.find<QLineEdit>("Edit5")->setText("66");
  rig.close();
  std::string expected = devDat;
  expected.replace(expected.find("Number=1"), 8, "Number=3");
  EXPECT_EQ(ReadBytes(rig.folder / "dev.dat"), expected);
  EXPECT_NE(ReadBytes(rig.folder / "recent.prf").find("th1= 66.0000"), std::string::npos);
}

// The link only says that the port would not open; the window tells the operator, at start-up
// and at each choice of port, and works on without the instrument.
TEST(Port, PortThatCannotBeOpenedIsToldAtStartUpAndAtEachChoice) {
  testing::ScratchFolder folder;
  testing::WorkingFolder workingFolder(folder.path());
  testing::ModalAnswerer answerer;
  sim::VirtualClock clock;
  testing::ScriptedPort port(
      clock, [](const std::string&) { return std::vector<testing::ScheduledAnswer>{}; });
  port.openSucceeds = false;
  WindowLanguage language;
  TForm1 window(port, clock, language);
  ASSERT_EQ(answerer.boxes.size(), 1u);
  EXPECT_EQ(answerer.boxes[0].caption, "Ошибка");
  EXPECT_EQ(answerer.boxes[0].text, "Невозможно открыть последовательный порт");
  EXPECT_EQ(answerer.boxes[0].icon, QMessageBox::Critical);

  QComboBox* ports = window.findChild<QComboBox*>("ComboBox17");
  ports->setCurrentIndex(2);
  Q_EMIT ports->activated(2);
  ASSERT_EQ(answerer.boxes.size(), 2u);
  EXPECT_EQ(answerer.boxes[1].text, "Невозможно открыть последовательный порт");
  EXPECT_EQ(window.findChild<QLabel*>("Label2")->text(), "3");
  const QString place = window.findChild<QLabel*>("LinkPlace")->text();
  EXPECT_TRUE(place.startsWith("Порт 3 (") && place.endsWith(") не открыт, 9600 бод, адрес 1"))
      << place.toStdString();
}

// A port number dev.dat names outside 1..4 opens nothing, and only dev.dat's warning is shown.
TEST(Port, PortNumberAboveFourOpensNothingAndOnlyItsWarningIsShown) {
  WindowRig rig(false);
  testing::WriteBytes(rig.folder / "dev.dat", "[COM_SETTINGS]\r\nNumber=5\r\n");
  rig.start();
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.answerer.boxes[0].text, "Слишком большой номер COM порта.");
  EXPECT_TRUE(rig.simulator.port().openedPath().empty());
}

// As root no permission refuses a write; files that are folders do.
TEST(Close, FolderThatRefusesItsFilesGivesOneBoxAndTheWindowStillCloses) {
  WindowRig rig;
  for (const char* file : {"dev.dat", "recent.prf"}) {
    std::filesystem::remove(rig.folder / file);
    std::filesystem::create_directory(rig.folder / file);
  }
  rig.close();
  EXPECT_FALSE(rig.window->isVisible());
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.answerer.boxes[0].text.rfind("Unable to write to ", 0), 0u);
}

TEST(Guard, NothingElseStartsAnExchangeWhileAReadRuns) {
  WindowRig rig;
  bool guarded = true;
  WatchSteps(
      [&] { rig.click("Button1"); },
      [&] {
        for (const char* name : {"ComboBox17", "MainMenu1", "Button3", "Button42", "Button14"}) {
          guarded &= !rig.find<QWidget>(name)->isEnabled();
        }
        rig.click("Button3");
      });
  EXPECT_TRUE(guarded);
  for (const std::string& frame : rig.simulator.receivedFrames()) {
    EXPECT_EQ(frame.find(";38;"), std::string::npos) << frame;  // reads only
  }
  EXPECT_TRUE(rig.find<QWidget>("ComboBox17")->isEnabled());
  EXPECT_TRUE(rig.find<QWidget>("Button14")->isEnabled());
  EXPECT_FALSE(rig.find<QWidget>("Button13")->isEnabled());
}

}  // namespace
}  // namespace zorkan
