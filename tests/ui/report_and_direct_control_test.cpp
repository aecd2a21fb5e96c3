// "Сформировать страницу" and the direct-control page against the simulated instrument, and the
// printed page read back from its PDF.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <cstdio>
#include <regex>

#include "ini/ini_file.h"
#include "profiles/profile.h"
#include "report/report_page.h"
#include "report/report_text.h"
#include "tests/ui/window_rig.h"
#include "ui/tab_pages.h"

namespace zorkan {
namespace {

using testing::WindowRig;

TEST(ReportButton, PreviewOpensAfterTheReadAndTheSwitchesStayAsTheyWere) {
  WindowRig rig(false);
  ASSERT_TRUE(WriteBuiltinProfile(rig.folder.path()));
  std::filesystem::copy_file(BuiltinProfilePath(rig.folder.path()), rig.folder / "recent.prf");
  ASSERT_TRUE(IniFile(rig.folder / "recent.prf").writeInteger("CH2", "select", 0));
  rig.start();
  TForm6 page(rig.window.get());
  rig.window->setReportPage(page);
  rig.simulator.setByteParameter(2, 14, 5);

  rig.click("Button42");
  EXPECT_EQ(rig.answerer.otherDialogs, std::vector<std::string>{"QPrintPreviewDialog"});
  EXPECT_EQ(page.QRLabel3, "Прибор ЗОРКАН740НР номер 005-12345");
  EXPECT_EQ(page.QRMemo2, page.QRMemo1);
  EXPECT_FALSE(rig.find<QCheckBox>("CheckBox2")->isChecked());

  rig.simulator.addFault({.kind = sim::FaultKind::Silence});
  rig.click("Button42");
  EXPECT_EQ(rig.answerer.otherDialogs.size(), 1u);
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.answerer.boxes[0].text, "Прибор не ответил (ERR 2)");
}

// pdftotext may run words together differently; what counts is each line's words in order.
std::string Words(const std::string& text) {
  return std::regex_replace(text, std::regex("\\s+"), " ");
}

TEST(ReportPage, PdfHoldsEveryLineTwiceOnALandscapePage) {
  testing::ScratchFolder folder;
  DeviceSettings settings;
  ASSERT_TRUE(WriteBuiltinProfile(folder.path()));
  ASSERT_TRUE(LoadProfile(BuiltinProfilePath(folder.path()), settings));
  TForm6 page(nullptr);
  page.fillPage(settings, {2025, 1, 1, 9, 0, 0});
  const std::string pdf = (folder / "page.pdf").string();
  ASSERT_TRUE(page.saveAsPdf(QString::fromStdString(pdf)));

  const std::string textFile = (folder / "page.txt").string();
  ASSERT_EQ(std::system(("pdftotext '" + pdf + "' '" + textFile + "'").c_str()), 0);
  const std::string text = Words(testing::ReadBytes(textFile));
  const ReportText report = BuildReportText(settings, {2025, 1, 1, 9, 0, 0});
  std::vector<std::string> lines = report.body;
  lines.push_back(report.dateLine);
  lines.push_back(report.numberLine);
  for (const std::string& line : lines) {
    const std::string words = Words(line);
    if (words.find_first_not_of(' ') == std::string::npos) continue;
    const std::size_t first = text.find(words);
    ASSERT_NE(first, std::string::npos) << line;
    EXPECT_NE(text.find(words, first + words.size()), std::string::npos) << line;
  }
  const std::string infoFile = (folder / "info.txt").string();
  ASSERT_EQ(std::system(("pdfinfo '" + pdf + "' > '" + infoFile + "'").c_str()), 0);
  std::smatch size;
  const std::string info = testing::ReadBytes(infoFile);
  ASSERT_TRUE(std::regex_search(info, size, std::regex("Page size: +([0-9.]+) x ([0-9.]+)")));
  EXPECT_GT(std::stod(size[1]), std::stod(size[2]));
}

struct DirectControlRig : WindowRig {
  DirectControlRig() { showPage(kDirectControlPage); }
  bool enabled(const char* name) const { return find<QWidget>(name)->isEnabled(); }
  std::vector<bool> states() const {
    std::vector<bool> enabledStates;
    for (const char* name : {"Button12", "Button13", "Button14", "Button15", "ComboBox30",
                             "RadioGroup1", "RadioButton1", "RadioButton2"}) {
      enabledStates.push_back(enabled(name));
    }
    return enabledStates;
  }
};

// Digits as the keyboard sends them.
void Type(QWidget* widget, const QString& digits) {
  for (const QChar digit : digits) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + digit.digitValue(), Qt::NoModifier, digit);
    QApplication::sendEvent(widget, &press);
  }
}

// While the PWM runs by hand the banner says so on every page, with the relay and the duty.
TEST(DirectControl, WriteSendsTheWordThenTheDutyAndOffLeavesTheDuty) {
  DirectControlRig rig;
  const auto* banner = rig.find<QLabel>("ManualPwmBanner");
  EXPECT_EQ(rig.states(), (std::vector<bool>{true, false, true, false, true, false, false, false}));
  EXPECT_FALSE(banner->isVisible());
  rig.click("Button12");
  EXPECT_EQ(rig.simulator.byteParameter(1, 17), 1);
  EXPECT_EQ(rig.states(), (std::vector<bool>{false, true, true, true, true, true, true, true}));
  EXPECT_EQ(banner->text(), "Ручное управление ШИМ: реле 1");

  rig.find<QRadioButton>("RadioButton2")->click();
  EXPECT_EQ(rig.simulator.byteParameter(1, 17), 2);
  Type(rig.find<QComboBox>("ComboBox30"), "100");
  rig.click("Button15");
  EXPECT_EQ(rig.simulator.byteParameter(1, 17), 2);
  EXPECT_EQ(rig.simulator.byteParameter(1, 18), 100);
  for (const int page : {kChannelsPage, kCurrentValuesPage, kDirectControlPage}) {
    rig.showPage(page);
    EXPECT_TRUE(banner->isVisible()) << page;
    EXPECT_EQ(banner->text(), "Ручное управление ШИМ: реле 2, 100 %");
  }

  rig.click("Button13");
  EXPECT_EQ(rig.simulator.byteParameter(1, 17), 0);
  EXPECT_EQ(rig.simulator.byteParameter(1, 18), 100);
  EXPECT_EQ(rig.states(), (std::vector<bool>{true, false, true, false, true, false, false, false}));
  EXPECT_FALSE(banner->isVisible());
  EXPECT_TRUE(rig.answerer.boxes.empty());
}

// Typed digits make one number until it would leave the list, and the next digit starts anew.
TEST(DirectControl, DutyListTakesTypedNumbers) {
  DirectControlRig rig;
  auto* duty = rig.find<QComboBox>("ComboBox30");
  Type(duty, "50");
  EXPECT_EQ(duty->currentText(), " 50");
  Type(duty, "7");
  EXPECT_EQ(duty->currentText(), "  7");
}

TEST(DirectControl, ReadSelectsTheDutyAndARefusedWordStillWritesTheDuty) {
  DirectControlRig rig;
  rig.simulator.setByteParameter(1, 18, 37);
  rig.click("Button14");
  EXPECT_EQ(rig.find<QComboBox>("ComboBox30")->currentText(), " 37");

  rig.click("Button12");
  rig.simulator.addFault({.kind = sim::FaultKind::Status, .space = 1, .number = 17, .amount = 3});
  rig.find<QComboBox>("ComboBox30")->setCurrentText(" 55");
  rig.click("Button15");
  EXPECT_EQ(rig.simulator.byteParameter(1, 18), 55);
  ASSERT_EQ(rig.answerer.boxes.size(), 1u);
  EXPECT_EQ(rig.answerer.boxes[0].text, "Параметр не найден (ERR 22)");
  const auto* banner = rig.find<QLabel>("ManualPwmBanner");
  EXPECT_EQ(banner->text(), "Ручное управление ШИМ: реле 1, 55 % (не подтверждено)");

  // The instrument may still run the heater by hand: the banner stays.
  rig.click("Button13");
  EXPECT_TRUE(banner->isVisible());
  EXPECT_EQ(banner->text(), "Прибор не подтвердил выключение ручного ШИМ");
}

TEST(DirectControl, ButtonsOnAnotherPageDoNothingButTheRead) {
  DirectControlRig rig;
  rig.showPage(kChannelsPage);
  rig.simulator.clearReceivedFrames();
  for (const char* button : {"Button12", "Button13", "Button15"}) {
    rig.find<QPushButton>(button)->setEnabled(true);
    rig.click(button);
  }
  EXPECT_TRUE(rig.simulator.receivedFrames().empty());
  rig.click("Button14");
  EXPECT_EQ(rig.simulator.receivedFrames().size(), 1u);
}

}  // namespace
}  // namespace zorkan
