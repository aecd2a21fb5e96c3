// The live tick against the simulated instrument: polled only on a live page, the last values
// kept through a failure, and the measurement log written at the profile's interval.
#include <gtest/gtest.h>

#include <algorithm>

#include "live/measurement_log.h"
#include "sim/simulator.h"
#include "tests/support/scratch_folder.h"
#include "workflows/live_polling.h"

namespace zorkan {
namespace {

using testing::ReadBytes;

class RecordingLiveView final : public LiveView {
 public:
  bool livePageShown() const override { return shown; }
  void repaint() override {}
  void ShowLiveValues(const LiveValues& values) override { lastShown = values; }
  void DrawTrendPoint(const LiveValues&) override { ++points; }
  void showAnswerStatus(const AnswerStatus& status) override { this->status = status; }

  bool shown = true;
  LiveValues lastShown;
  int points = 0;
  AnswerStatus status{};
};

struct LiveRig {
  explicit LiveRig(std::filesystem::path log = {}) : polling(link, values, settings, view, log) {
    link.openPortAt("COM1", 9600);
    link.setParameters(LinkParameters{});
  }

  sim::InProcessSimulator simulator;
  DeviceLink link{simulator.port(), simulator.clock(), "."};
  LiveValues values;
  DeviceSettings settings;
  RecordingLiveView view;
  LivePolling polling;
};

std::size_t LineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(LivePolling, NothingIsSentOrCountedUnlessALivePageIsShown) {
  testing::ScratchFolder folder;
  LiveRig rig(folder / "IZM.txt");
  rig.settings.logInterval = 1;
  rig.view.shown = false;
  for (int tick = 0; tick < 5; ++tick) EXPECT_EQ(rig.polling.PollLiveValues(), std::nullopt);
  EXPECT_TRUE(rig.simulator.receivedFrames().empty());
  rig.view.shown = true;
  EXPECT_EQ(rig.polling.PollLiveValues(), kOk);
  EXPECT_FALSE(std::filesystem::exists(folder / "IZM.txt"));  // the hidden ticks did not count
  EXPECT_EQ(rig.simulator.receivedFrames().size(), 1u);
  EXPECT_EQ(rig.view.status.text, "Получен ответ");
  EXPECT_FALSE(rig.view.status.attention);
}

TEST(LivePolling, SilentInstrumentKeepsTheLastValuesAndStillLogs) {
  testing::ScratchFolder folder;
  LiveRig rig(folder / "IZM.txt");
  rig.settings.logInterval = 1;
  rig.simulator.overrideLiveBlock(sim::LiveBlock{0, 0, 1, 0, 0x41, 0xCC, 0, 0, 0, 0});
  ASSERT_EQ(rig.polling.PollLiveValues(), kOk);
  rig.simulator.addFault({.kind = sim::FaultKind::Silence});
  EXPECT_EQ(rig.polling.PollLiveValues(), kNoAnswer);
  EXPECT_EQ(rig.view.status.text, "Не дождались ответа");
  EXPECT_TRUE(rig.view.status.attention);
  EXPECT_EQ(rig.view.lastShown.channels[0].value, 25.5f);
  EXPECT_EQ(rig.view.points, 2);
  const std::string log = ReadBytes(folder / "IZM.txt");
  ASSERT_EQ(LineCount(log), 1u);
  EXPECT_NE(log.find("\t01\t 25.5000\t00\t"), std::string::npos) << log;
}

TEST(LivePolling, LogIntervalThreeWritesEverySixthPollAndZeroNone) {
  testing::ScratchFolder folder;
  LiveRig rig(folder / "IZM.txt");
  rig.settings.logInterval = 3;
  for (int tick = 0; tick < 13; ++tick) rig.polling.PollLiveValues();
  EXPECT_EQ(LineCount(ReadBytes(folder / "IZM.txt")), 2u);
  rig.settings.logInterval = 0;
  for (int tick = 0; tick < 13; ++tick) rig.polling.PollLiveValues();
  EXPECT_EQ(LineCount(ReadBytes(folder / "IZM.txt")), 2u);
}

// Only 0 switches the log off: an interval below it never holds a line back.
TEST(LivePolling, NegativeLogIntervalLogsEveryPoll) {
  testing::ScratchFolder folder;
  LiveRig rig(folder / "IZM.txt");
  rig.settings.logInterval = -2;
  for (int tick = 0; tick < 3; ++tick) rig.polling.PollLiveValues();
  EXPECT_EQ(LineCount(ReadBytes(folder / "IZM.txt")), 3u);
}

TEST(LivePolling, MeasurementLogSwitchedOffInDevDatWritesNoFile) {
  testing::ScratchFolder folder;
  LinkSettings linkSettings;
  linkSettings.measurementLogSwitch = 2;
  LiveRig rig(MeasurementLogPath(linkSettings, folder.path()));
  for (int tick = 0; tick < 4; ++tick) rig.polling.PollLiveValues();
  EXPECT_TRUE(folder.entries().empty());
}

}  // namespace
}  // namespace zorkan
