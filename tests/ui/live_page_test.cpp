// The live pages polled against the simulated instrument: what is sent on which page, what the
// panels show for each byte of the block, and what a silent instrument leaves on screen.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <cmath>
#include <limits>

#include "link/frame.h"
#include "tests/ui/window_rig.h"
#include "ui/tab_pages.h"

namespace zorkan {
namespace {

using testing::WindowRig;

// d2 relays, d3 keys and encoder, d4..d7 channel 1, d8 its status, d9 its flags, then channel 2.
sim::LiveBlock Block(float value1, std::uint8_t status1, float value2, std::uint8_t status2,
                     std::uint8_t relays = 0, std::uint8_t keys = 0, std::uint8_t flags1 = 0,
                     std::uint8_t flags2 = 0) {
  sim::LiveBlock block{0, 0, relays, keys};
  const FloatBytes first = FloatToWire(value1);
  const FloatBytes second = FloatToWire(value2);
  std::copy(first.begin(), first.end(), block.begin() + 4);
  std::copy(second.begin(), second.end(), block.begin() + 10);
  block[8] = status1;
  block[9] = flags1;
  block[14] = status2;
  block[15] = flags2;
  return block;
}

QString Text(const WindowRig& rig, const char* panel) {
  return rig.find<QLabel>(panel)->text();
}

QColor Colour(const WindowRig& rig, const char* panel) {
  return rig.find<QLabel>(panel)->palette().color(QPalette::Window);
}

bool Yellow(const WindowRig& rig, const char* panel) {
  return Colour(rig, panel) == QColor(Qt::yellow);
}

QColor TextColour(const WindowRig& rig, const char* panel) {
  return rig.find<QLabel>(panel)->palette().color(QPalette::WindowText);
}

// Silence keeps the last values, greyed with their age so that they are not taken for live ones;
// the next answer gives them their colours back.
TEST(LivePolling, OnlyTheLivePagesSendAndSilenceGreysTheLastValues) {
  WindowRig rig;
  rig.simulator.overrideLiveBlock(Block(25.5f, 0, -3.25f, 0));
  rig.simulator.clearReceivedFrames();
  const auto logSize = [&] { return testing::ReadBytes(rig.folder / "COM.txt").size(); };
  const auto logBefore = logSize();
  rig.window->PollLiveValues();
  EXPECT_TRUE(rig.simulator.receivedFrames().empty());
  EXPECT_EQ(logSize(), logBefore);

  for (const int page : {kCurrentValuesPage, kChartPage}) {
    rig.showPage(page);
    rig.window->PollLiveValues();
  }
  EXPECT_EQ(rig.simulator.receivedFrames().size(), 2u);
  EXPECT_GT(logSize(), logBefore);
  EXPECT_EQ(Text(rig, "Panel3"), " 25.5000");
  EXPECT_EQ(Text(rig, "Panel27"), " 25.5000");
  EXPECT_EQ(Text(rig, "Panel8"), " -3.2500");
  EXPECT_EQ(Text(rig, "Panel4"), "Нормальное измерение");
  EXPECT_EQ(Colour(rig, "Panel3"), QColor(Qt::white));
  EXPECT_EQ(Text(rig, "Panel28"), "Получен ответ");

  EXPECT_FALSE(rig.find<QLabel>("ChartValueAge")->isVisible());
  const QColor liveText = TextColour(rig, "Panel3");

  rig.simulator.addFault({.kind = sim::FaultKind::Silence});
  rig.window->PollLiveValues();
  for (const char* status : {"Panel22", "Panel28"}) {
    EXPECT_EQ(Text(rig, status), "Не дождались ответа");
    EXPECT_TRUE(Yellow(rig, status));
  }
  EXPECT_EQ(Text(rig, "Panel3"), " 25.5000");
  for (const char* panel : {"Panel3", "Panel4", "Panel8", "Panel9", "Panel27"}) {
    EXPECT_NE(TextColour(rig, panel), liveText) << panel;
    EXPECT_NE(Colour(rig, panel), QColor(Qt::white)) << panel;
  }
  EXPECT_TRUE(rig.find<QLabel>("ChartValueAge")->isVisible());
  EXPECT_EQ(Text(rig, "ChartValueAge"), "Значения не обновляются: получены 2 с назад");
  EXPECT_EQ(Text(rig, "ValuesAge"), Text(rig, "ChartValueAge"));

  rig.simulator.clearFaults();
  rig.window->PollLiveValues();
  EXPECT_EQ(TextColour(rig, "Panel3"), liveText);
  EXPECT_EQ(Colour(rig, "Panel27"), QColor(Qt::white));
  EXPECT_FALSE(rig.find<QLabel>("ChartValueAge")->isVisible());
  EXPECT_TRUE(rig.answerer.boxes.empty());
}

TEST(LiveValues, ValuesAndStatusesShowWithTheirColours) {
  WindowRig rig;
  rig.showPage(kCurrentValuesPage);
  rig.simulator.overrideLiveBlock(Block(std::numeric_limits<float>::quiet_NaN(), 0, 10001.0f, 12));
  rig.window->PollLiveValues();
  EXPECT_EQ(Text(rig, "Panel3"), "-444.0000");
  EXPECT_EQ(Text(rig, "Panel4"), "Ошибка в плавающей арифметике");
  EXPECT_TRUE(Yellow(rig, "Panel3") && Yellow(rig, "Panel4"));
  EXPECT_EQ(Text(rig, "Panel8"), "10000.0000");
  EXPECT_EQ(Text(rig, "Panel9"), "Канал выключен");
  EXPECT_FALSE(Yellow(rig, "Panel8") || Yellow(rig, "Panel9"));
  EXPECT_NE(Colour(rig, "Panel8"), QColor(Qt::white));

  rig.simulator.overrideLiveBlock(Block(1.0f, 23, 1.0f, 0));
  rig.window->PollLiveValues();
  EXPECT_EQ(Text(rig, "Panel4"), "Неизвестный статус 23");
  EXPECT_TRUE(Yellow(rig, "Panel4"));
}

// A screen reader reads a display panel's value as its name, and its caption from the label that
// names it or from its description.
void ExpectReadable(const WindowRig& rig, const char* panel, const QString& caption) {
  SCOPED_TRACE(panel);
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(rig.find<QLabel>(panel));
  EXPECT_FALSE(Text(rig, panel).isEmpty());
  EXPECT_EQ(accessible->text(QAccessible::Name), Text(rig, panel));
  QString announced = accessible->text(QAccessible::Description);
  for (const auto& [label, relation] : accessible->relations(QAccessible::Label)) {
    if (qobject_cast<QLabel*>(label->object()) != nullptr)
      announced = label->text(QAccessible::Name);
  }
  EXPECT_EQ(announced, caption);
}

TEST(LiveValues, ValuesAndStatusesReachAScreenReaderWithTheirCaptions) {
  WindowRig rig;
  rig.simulator.overrideLiveBlock(Block(25.5f, 0, 1.0f, 12));
  rig.showPage(kCurrentValuesPage);
  rig.window->PollLiveValues();
  ExpectReadable(rig, "Panel3", "Измеренное значение канала 1");
  ExpectReadable(rig, "Panel4", "Состояние измерения канала 1");
  ExpectReadable(rig, "Panel8", "Измеренное значение канала 2");
  ExpectReadable(rig, "Panel9", "Состояние измерения канала 2");
  ExpectReadable(rig, "Panel22", "Ответ прибора");
  rig.showPage(kChartPage);
  rig.window->PollLiveValues();
  ExpectReadable(rig, "Panel27", "Текущее значение");
  ExpectReadable(rig, "Panel28", "Ответ прибора");
  EXPECT_EQ(Colour(rig, "Panel27"), QColor(Qt::white)) << "the chart's value panel is white";
}

// Each indicator lights for its own bit, and says its state in words to a screen reader, which
// cannot see the colour.
TEST(LiveValues, EveryBitLightsItsOwnIndicator) {
  WindowRig rig;
  rig.showPage(kCurrentValuesPage);
  const struct {
    sim::LiveBlock block;
    std::vector<const char*> lit;
  } cases[] = {
      {Block(0, 0, 0, 0, 0x02), {"Panel14"}},
      {Block(0, 0, 0, 0, 0, 0x01 | 0x10 | 0x40), {"Panel15", "Panel19", "Panel21"}},
      {Block(0, 0, 0, 0, 0, 0, 0x04), {"Panel5"}},
      {Block(0, 0, 0, 0, 0, 0, 0, 0x01 | 0x02), {"Panel12", "Panel11"}},
  };
  const struct {
    const char* name;
    QString on;
    QString off;
  } indicators[] = {{"Panel5", "обрыв датчика", "нет обрыва"},
                    {"Panel6", "достигнута", "не достигнута"},
                    {"Panel7", "достигнута", "не достигнута"},
                    {"Panel10", "обрыв датчика", "нет обрыва"},
                    {"Panel11", "достигнута", "не достигнута"},
                    {"Panel12", "достигнута", "не достигнута"},
                    {"Panel13", "включено", "выключено"},
                    {"Panel14", "включено", "выключено"},
                    {"Panel15", "нажата", "не нажата"},
                    {"Panel16", "нажата", "не нажата"},
                    {"Panel17", "нажата", "не нажата"},
                    {"Panel18", "нажата", "не нажата"},
                    {"Panel19", "нажата", "не нажата"},
                    {"Panel20", "горит", "не горит"},
                    {"Panel21", "горит", "не горит"}};
  for (const auto& [block, lit] : cases) {
    rig.simulator.overrideLiveBlock(block);
    rig.window->PollLiveValues();
    for (const auto& [name, on, off] : indicators) {
      const bool expected = std::find(lit.begin(), lit.end(), std::string_view(name)) != lit.end();
      EXPECT_EQ(Yellow(rig, name), expected) << name;
      QAccessibleInterface* accessible =
          QAccessible::queryAccessibleInterface(rig.find<QLabel>(name));
      EXPECT_EQ(accessible->text(QAccessible::Description), expected ? on : off) << name;
    }
  }
}

}  // namespace
}  // namespace zorkan
