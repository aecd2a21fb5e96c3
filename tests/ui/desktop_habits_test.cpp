// The habits of a desktop tool: keys, Alt letters, recent profiles, help, "О программе", the
// question about unsaved changes on closing, and a window of any size.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

#include "tests/ui/window_rig.h"
#include "ui/fitted_window.h"

namespace zorkan {
namespace {

using testing::ReadBytes;
using testing::WindowRig;

void Press(WindowRig& rig, QKeySequence keys) {
  QApplication::setActiveWindow(rig.window.get());
  QTest::keySequence(rig.window.get(), keys);
}

// A button's key presses it as a click would, which it shows for a moment first.
void PressButtonKey(WindowRig& rig, Qt::Key key, const char* button) {
  QSignalSpy clicked(rig.find<QPushButton>(button), &QPushButton::clicked);
  Press(rig, key);
  EXPECT_TRUE(clicked.wait(5000)) << button;
}

QStringList ItemTexts(const QMenu& menu) {
  QStringList texts;
  for (const QAction* item : menu.actions()) texts << item->text();
  return texts;
}

TEST(Keys, OpenSaveReadWriteAndHelpHaveTheirKeys) {
  WindowRig rig;
  const std::string profile = (rig.folder / "a.prf").string();
  rig.find<QLineEdit>("Edit5")->setText("77.5");
  rig.answerer.files = {profile};
  Press(rig, QKeySequence::Save);
  EXPECT_NE(ReadBytes(profile).find("th1= 77.5000"), std::string::npos);

  rig.find<QLineEdit>("Edit5")->setText("1");
  rig.answerer.files = {profile};
  Press(rig, QKeySequence::Open);
  EXPECT_EQ(rig.text("Edit5").trimmed(), "77.5000");

  PressButtonKey(rig, Qt::Key_F5, "Button1");
  EXPECT_EQ(rig.text("Edit5").trimmed(), "150.0000");
  rig.find<QLineEdit>("Edit5")->setText("160");
  PressButtonKey(rig, Qt::Key_F6, "Button3");
  EXPECT_EQ(rig.simulator.floatParameter(2, 29), 160.0f);

  QString help;
  rig.answerer.onDialog = [&](QDialog& dialog) {
    help = dialog.findChild<QTextBrowser*>("HelpText")->toPlainText();
    dialog.reject();
  };
  Press(rig, Qt::Key_F1);
  EXPECT_TRUE(help.contains("F6 — записать")) << help.toStdString();
  EXPECT_TRUE(rig.answerer.boxes.empty());
}

// Alt and a letter reach every item of a menu: no item without its letter, no letter twice, in
// either language.
TEST(Keys, EveryMenuItemHasAnAltLetterOfItsOwn) {
  WindowRig rig;
  std::vector<QMenu*> menus{nullptr};
  for (const QAction* title : rig.find<QMenuBar>("MainMenu1")->actions()) {
    menus.push_back(title->menu());
  }
  for (const char* language : {"RussianLanguage", "EnglishLanguage"}) {
    rig.find<QAction>(language)->trigger();
    for (QMenu* menu : menus) {
      const QList<QAction*> items =
          menu ? menu->actions() : rig.find<QMenuBar>("MainMenu1")->actions();
      QStringList letters;
      for (const QAction* item : items) {
        if (item->isSeparator()) continue;
        const QRegularExpressionMatch mark = QRegularExpression("&([^&])").match(item->text());
        ASSERT_TRUE(mark.hasMatch()) << language << ": " << item->text().toStdString();
        EXPECT_FALSE(letters.contains(mark.captured(1).toLower()))
            << language << ": " << item->text().toStdString();
        letters << mark.captured(1).toLower();
      }
    }
  }
}

// Loaded and saved profiles are offered newest first, at most eight, from one start to the next;
// one gone since is said and dropped, never created anew with the defaults.
TEST(RecentProfiles, ProfilesOfTheMenuAreOfferedNewestFirstFromStartToStart) {
  WindowRig rig;
  std::vector<std::string> profiles;
  for (int i = 1; i <= 9; ++i) {
    profiles.push_back((rig.folder / ("p" + std::to_string(i) + ".prf")).string());
    rig.find<QLineEdit>("Edit5")->setText(QString::number(i));
    rig.answerer.files = {profiles.back()};
    rig.find<QAction>("N3")->trigger();
  }
  rig.answerer.files = {profiles[4]};
  rig.find<QAction>("N2")->trigger();
  rig.close();
  rig.start();

  const auto* recent = rig.find<QMenu>("RecentProfiles");
  QStringList expected{"&1 " + QString::fromStdString(profiles[4])};
  for (int i = 9; i >= 2; --i) {
    if (i != 5)
      expected << QString("&%1 ").arg(expected.size() + 1) +
                      QString::fromStdString(profiles[i - 1]);
  }
  EXPECT_EQ(ItemTexts(*recent), expected);

  recent->actions()[1]->trigger();
  EXPECT_EQ(rig.text("Edit5").trimmed(), "9.0000");
  EXPECT_TRUE(rig.window->windowTitle().endsWith(QString::fromStdString(profiles[8])));

  std::filesystem::remove(profiles[1]);
  rig.find<QMenu>("RecentProfiles")->actions().back()->trigger();
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.answerer.boxes[0].text, "Профиль не найден: " + profiles[1]);
  EXPECT_FALSE(std::filesystem::exists(profiles[1]));
  EXPECT_EQ(rig.find<QMenu>("RecentProfiles")->actions().size(), 7);
  EXPECT_EQ(rig.text("Edit5").trimmed(), "9.0000");
}

TEST(About, TellsTheVersionTheQtAndTheWorkingFolder) {
  WindowRig rig;
  rig.find<QAction>("About")->trigger();
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  const QString text = QString::fromStdString(rig.answerer.boxes[0].text);
  EXPECT_EQ(rig.answerer.boxes[0].caption, "О программе");
  EXPECT_TRUE(text.contains(QRegularExpression("версия \\d+\\.\\d+\\.\\d+"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QString("Qt ") + qVersion()));
  EXPECT_TRUE(text.contains(QString::fromStdString(rig.folder.path().string())));
}

// Without a profile loaded from the menu, closing asks nothing. With one, it asks only while the
// pages differ from what was last loaded, saved, read or written: "Отмена" keeps the window open,
// "Да" saves into the profile, and recent.prf is saved as ever.
TEST(UnsavedChanges, ClosingOffersChangesToTheProfileLoadedFromTheMenu) {
  WindowRig rig;
  rig.find<QLineEdit>("Edit5")->setText("61");
  rig.find<QAction>("Exit")->trigger();
  EXPECT_FALSE(rig.window->isVisible());
  EXPECT_TRUE(rig.answerer.boxes.empty());

  rig.start();
  const std::filesystem::path profile = rig.folder / "furnace.prf";
  rig.answerer.files = {profile.string()};
  rig.find<QAction>("N3")->trigger();
  rig.answerer.files = {profile.string()};
  rig.find<QAction>("N2")->trigger();
  rig.click("Button1");  // the instrument's 150 on the pages: read, so nothing is lost
  rig.close();
  EXPECT_TRUE(rig.answerer.boxes.empty());

  rig.start();
  rig.answerer.files = {profile.string()};
  rig.find<QAction>("N2")->trigger();
  rig.find<QLineEdit>("Edit5")->setText("62");
  rig.answerer.questions = {QMessageBox::Cancel};
  rig.close();
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.answerer.boxes[0].caption, "Несохранённые изменения");
  EXPECT_NE(rig.answerer.boxes[0].text.find(profile.string()), std::string::npos);
  EXPECT_TRUE(rig.window->isVisible());
  EXPECT_NE(ReadBytes(profile).find("th1= 61.0000"), std::string::npos);

  rig.answerer.questions = {QMessageBox::Yes};
  rig.close();
  EXPECT_FALSE(rig.window->isVisible());
  EXPECT_EQ(rig.answerer.boxes.size(), 2u);
  EXPECT_NE(ReadBytes(profile).find("th1= 62.0000"), std::string::npos);
  EXPECT_NE(ReadBytes(rig.folder / "recent.prf").find("th1= 62.0000"), std::string::npos);
}

// A profile that refuses the save keeps the window open with the changes on it.
TEST(UnsavedChanges, ProfileThatRefusesTheSaveKeepsTheWindowOpen) {
  WindowRig rig;
  const std::filesystem::path profile = rig.folder / "furnace.prf";
  rig.answerer.files = {profile.string()};
  rig.find<QAction>("N3")->trigger();
  rig.answerer.files = {profile.string()};
  rig.find<QAction>("N2")->trigger();
  rig.find<QLineEdit>("Edit5")->setText("63");
  std::filesystem::remove(profile);
  std::filesystem::create_directory(profile);  // as root no permission refuses a write
  rig.answerer.questions = {QMessageBox::Yes};
  rig.close();
  ASSERT_EQ(rig.answerer.boxes.size(), 2u);
  EXPECT_EQ(rig.answerer.boxes[1].text.rfind("Unable to write to ", 0), 0u);
  EXPECT_TRUE(rig.window->isVisible());
  EXPECT_EQ(rig.text("Edit5"), "63");
}

// The pages keep their size: opened where there is room, they show whole, with the menu and the
// status line around them; a small window scrolls them, a large one centres them.
TEST(WindowSize, ShrunkThePagesScrollEnlargedTheyStayCentred) {
  WindowRig rig;
  auto* area = rig.find<QScrollArea>("PagesArea");
  auto* pages = rig.find<QWidget>("ClientArea");
  QCoreApplication::processEvents();
  EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(area->verticalScrollBar()->maximum(), 0);
  rig.window->resize(400, 300);
  QCoreApplication::processEvents();
  EXPECT_EQ(pages->size(), QSize(712, 542));
  EXPECT_GT(area->horizontalScrollBar()->maximum(), 0);
  EXPECT_GT(area->verticalScrollBar()->maximum(), 0);

  rig.window->resize(1000, 800);
  QCoreApplication::processEvents();
  EXPECT_EQ(pages->size(), QSize(712, 542));
  const QRect viewport = area->viewport()->rect();
  EXPECT_LE(std::abs(pages->geometry().center().x() - viewport.center().x()), 1);
  EXPECT_LE(std::abs(pages->geometry().center().y() - viewport.center().y()), 1);
}

// At scale 2 a 1280×1024 screen is 640×512 to the window: it opens on it whole, at its size.
TEST(WindowSize, OpensWhollyOnTheScreenCentredWhereThereIsRoom) {
  EXPECT_EQ(OpeningGeometry({712, 563}, {0, 0, 640, 512}), QRect(0, 0, 640, 512));
  EXPECT_EQ(OpeningGeometry({712, 563}, {0, 0, 1280, 1024}), QRect(284, 230, 712, 563));
  EXPECT_EQ(OpeningGeometry({712, 563}, {1280, 24, 853, 658}), QRect(1351, 71, 712, 563));
}

}  // namespace
}  // namespace zorkan
