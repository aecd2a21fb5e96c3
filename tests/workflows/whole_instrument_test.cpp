// The exchange buttons' workflows against the simulated instrument: what they call in which
// order, what a refused check or a failed read leaves, and what reaches the instrument.
#include <gtest/gtest.h>

#include <stdexcept>

#include "profiles/profile.h"
#include "tests/support/scratch_folder.h"
#include "tests/workflows/exchange_rig.h"
#include "workflows/whole_instrument.h"

namespace zorkan {
namespace {

using Calls = std::vector<std::string>;
using testing::ExchangeRig;

TEST(ReadWholeInstrument, UnifiedSignalRangeOfTheInstrumentSurvivesAProfileWithNominalRanges) {
  testing::ScratchFolder folder;
  ExchangeRig rig;
  // The default profile switches nominal ranges on; the pages take that switch off again.
  ASSERT_TRUE(LoadProfile(folder / "new.prf", rig.settings));
  ASSERT_EQ(rig.settings.useMax, 1);
  rig.view.ShowSettings();
  rig.simulator.setByteParameter(2, 315, kSensorCurrent4To20mA);
  rig.simulator.setFloatParameter(2, 13, -10.0f);
  rig.simulator.setFloatParameter(2, 15, 250.0f);

  ASSERT_EQ(ReadWholeInstrument(rig.exchange, rig.settings, rig.view), kOk);
  rig.view.CollectSettings();
  EXPECT_EQ(rig.settings.channels[0].rangeMin, -10.0f);
  EXPECT_EQ(rig.settings.channels[0].rangeMax, 250.0f);
}

TEST(ReadWholeInstrument, FailedReadIsReportedOnceAndStillShown) {
  ExchangeRig rig;
  rig.settings.relays.relaySelected = 0;
  rig.settings.channels[1].selected = 0;
  rig.simulator.addFault({.kind = sim::FaultKind::Silence, .space = 2, .number = 13});
  rig.latch.press();  // before the click: must not cancel the read

  EXPECT_EQ(ReadWholeInstrument(rig.exchange, rig.settings, rig.view), kNoAnswer);
  EXPECT_EQ(rig.view.calls, (Calls{"groups", "collect", "lock", "unlock", "show"}));
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].text, "Прибор не ответил (ERR 2)");
  EXPECT_EQ(rig.settings.relays.relaySelected, 1);
  EXPECT_EQ(rig.settings.channels[1].selected, 1);
  EXPECT_EQ(rig.settings.channels[0].rangeMax, 1300.0f);  // read before the silent parameter
}

// A panel whose pending events fail at a step, as a handler that throws between two steps would.
class PanelThatThrows final : public ProgressPanel {
 public:
  explicit PanelThatThrows(int atStep) : atStep_(atStep) {}
  void setLines(const ProgressLines&) override {}
  void setVisible(bool) override {}
  void processPendingEvents() override {
    if (++steps_ == atStep_) throw std::runtime_error("a handler failed");
  }

 private:
  const int atStep_;
  int steps_ = 0;
};

TEST(ReadWholeInstrument, ThrowHalfWayGivesTheControlsBack) {
  ExchangeRig rig;
  PanelThatThrows panel(3);
  Progress progress(panel, rig.latch);
  ExchangeContext exchange{rig.link, progress, rig.latch, rig.dialogs, rig.view};
  EXPECT_THROW(ReadWholeInstrument(exchange, rig.settings, rig.view), std::runtime_error);
  EXPECT_EQ(rig.view.calls, (Calls{"groups", "collect", "lock", "unlock"}));
}

TEST(WriteWholeInstrument, UnparsableFieldStopsBeforeAnythingIsSent) {
  ExchangeRig rig;
  FieldTexts typed = rig.view.shownFieldTexts();
  typed.rangeMax = "12,5";
  rig.view.typedTexts = typed;

  EXPECT_EQ(WriteWholeInstrument(rig.exchange, rig.settings, rig.view), kStoppedToCorrect);
  EXPECT_TRUE(rig.simulator.receivedFrames().empty());
  EXPECT_EQ(rig.view.calls, (Calls{"groups", "unlock"}));
  ASSERT_EQ(rig.dialogs.shown.size(), 2u);
  EXPECT_EQ(rig.dialogs.shown[0].text, "Ошибка задания максимума диапазона.");
  EXPECT_EQ(rig.dialogs.shown[1].text, "Прекратили запись чтобы поправить настройки (ERR 17)");
}

// Collected, these would go out as sensor type 255 and averaging 0 without a word.
TEST(WriteWholeInstrument, ListWithoutSelectionStopsBeforeAnythingIsSent) {
  ExchangeRig rig;
  rig.settings.channels[0].sensorType = 30;
  rig.settings.channels[1].averaging = 20;

  EXPECT_EQ(WriteWholeInstrument(rig.exchange, rig.settings, rig.view), kStoppedToCorrect);
  EXPECT_TRUE(rig.simulator.receivedFrames().empty());
  ASSERT_EQ(rig.dialogs.shown.size(), 2u);
  EXPECT_EQ(rig.dialogs.shown[0].caption, "Ошибка задания параметров канала 1.");
  EXPECT_EQ(rig.dialogs.shown[0].text, "Не выбран тип датчика.");
  EXPECT_EQ(rig.dialogs.shown[1].text, "Прекратили запись чтобы поправить настройки (ERR 17)");
}

TEST(WriteWholeInstrument, ClampAcceptedIsWrittenAndRefusedSendsNothing) {
  ExchangeRig rig;
  rig.settings.channels[0].setpoint1 = 12000.0f;
  rig.dialogs.answers = {DialogAnswer::No};
  EXPECT_EQ(WriteWholeInstrument(rig.exchange, rig.settings, rig.view), kStoppedToCorrect);
  EXPECT_TRUE(rig.simulator.receivedFrames().empty());

  rig.dialogs.answers = {DialogAnswer::Yes};
  EXPECT_EQ(WriteWholeInstrument(rig.exchange, rig.settings, rig.view), kOk);
  EXPECT_EQ(rig.simulator.floatParameter(2, 29), 9999.0f);
  EXPECT_EQ(rig.view.calls.back(), "unlock");
  EXPECT_EQ(std::count(rig.view.calls.begin(), rig.view.calls.end(), "show"), 0);
}

TEST(ReadForReport, GroupSwitchesComeBackAndTheDateIsRead) {
  ExchangeRig rig;
  rig.settings.channels[1].selected = 0;
  rig.settings.general.generalSelected = 0;
  rig.simulator.setByteParameter(2, 17, 9);

  ASSERT_EQ(ReadForReport(rig.exchange, rig.settings, rig.view), kOk);
  EXPECT_EQ(rig.settings.channels[1].selected, 0);
  EXPECT_EQ(rig.settings.general.generalSelected, 0);
  EXPECT_EQ(rig.settings.general.manufactureDay, 9);
  EXPECT_EQ(rig.settings.general.serialNumber, 12345);  // read although the switch was off
  EXPECT_EQ(rig.view.calls, (Calls{"lock", "unlock", "show"}));
}

TEST(ReadForReport, FailedReadIsReportedNothingShownAndSwitchesRestored) {
  ExchangeRig rig;
  rig.settings.relays.relaySelected = 0;
  rig.simulator.addFault({.kind = sim::FaultKind::Silence, .space = 2, .number = 17});
  EXPECT_EQ(ReadForReport(rig.exchange, rig.settings, rig.view), kNoAnswer);
  EXPECT_EQ(rig.view.calls, (Calls{"lock", "unlock"}));
  EXPECT_EQ(rig.settings.relays.relaySelected, 0);
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
}

}  // namespace
}  // namespace zorkan
