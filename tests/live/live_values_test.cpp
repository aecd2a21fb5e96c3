#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "link/frame.h"
#include "live/live_values.h"
#include "live/measurement_log.h"
#include "tests/support/live_block.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/settings_rig.h"

namespace zorkan {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;

DataBlock BlockWith(float channel1, std::uint8_t status1, std::uint8_t flags1, float channel2,
                    std::uint8_t status2, std::uint8_t flags2) {
  return testing::LiveBlockWith(0x01, channel1, status1, flags1, channel2, status2, flags2);
}

TEST(LiveBlock, BytesLandInTheirFields) {
  const LiveValues values = DecodeLiveBlock(BlockWith(25.5f, 0, kSensorBreak, -3.0f, 12, 3));
  EXPECT_EQ(values.relays, 0x01);
  EXPECT_EQ(values.keys, 0x25);
  EXPECT_EQ(values.channels[0].value, 25.5f);
  EXPECT_EQ(values.channels[0].flags, kSensorBreak);
  EXPECT_EQ(values.channels[1].value, -3.0f);
  EXPECT_EQ(values.channels[1].status, 12);
  EXPECT_EQ(values.channels[1].flags, kSetpoint1Reached | kSetpoint2Reached);
}

TEST(LiveBlock, NotANumberBecomesMinus444WithFloatingPointStatus) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const LiveValues values = DecodeLiveBlock(BlockWith(nan, 0, 0, 1.0f, 0, 0));
  EXPECT_EQ(values.channels[0].value, -444.0f);
  EXPECT_EQ(values.channels[0].status, 4);
  EXPECT_EQ(MeasurementStatusText(values.channels[0].status), "Ошибка в плавающей арифметике");
  EXPECT_EQ(values.channels[1].status, 0);
}

TEST(LiveBlock, DisplayClampAppliesToTheValuesThemselves) {
  LiveValues values = DecodeLiveBlock(BlockWith(12345.0f, 0, 0, -5000.0f, 0, 0));
  ClampForDisplay(values);
  EXPECT_EQ(values.channels[0].value, 10000.0f);
  EXPECT_EQ(values.channels[1].value, -1000.0f);
}

TEST(LiveBlock, FailedReadKeepsTheLastValues) {
  testing::SettingsRig rig;
  rig.simulator.overrideLiveBlock(BlockWith(25.5f, 0, 0, 26.0f, 0, 0));
  LiveValues values;
  ASSERT_EQ(ReadLiveValues(rig.link, values), kOk);
  EXPECT_EQ(values.channels[0].value, 25.5f);
  rig.simulator.addFault({.kind = sim::FaultKind::Status, .amount = 0x0003});
  EXPECT_EQ(ReadLiveValues(rig.link, values), kParameterNotFound);
  EXPECT_EQ(values.channels[1].value, 26.0f);
}

TEST(MeasurementStatus, TextsWithoutHyphenAndUnknownStatuses) {
  EXPECT_EQ(MeasurementStatusText(0), "Нормальное измерение");
  EXPECT_EQ(MeasurementStatusText(1), "Какая то ошибка");
  EXPECT_EQ(MeasurementStatusText(12), "Канал выключен");
  EXPECT_EQ(MeasurementStatusText(15), "Ошибка в градуировках");
  EXPECT_EQ(MeasurementStatusText(16), "Неизвестный статус 16");
  EXPECT_EQ(MeasurementStatusText(255), "Неизвестный статус 255");
}

TEST(MeasurementLog, LineFormat) {
  LiveValues values = DecodeLiveBlock(BlockWith(25.5f, 0, 0, -444.0f, 4, 0));
  values.channels[1].status = 12;
  EXPECT_EQ(MeasurementLogLine(values, {2026, 12, 7, 9, 5, 3}),
            "09:05:03\t01\t 25.5000\t00\t-444.0000\t0c\n");
}

TEST(MeasurementLog, AppendsAndSkipsAnUnopenableFile) {
  ScratchFolder folder;
  AppendMeasurementLog(folder / "IZM.txt", "a\n");
  AppendMeasurementLog(folder / "IZM.txt", "b\n");
  EXPECT_EQ(ReadBytes(folder / "IZM.txt"), "a\nb\n");
  AppendMeasurementLog(folder / "missing" / "IZM.txt", "c\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

}  // namespace
}  // namespace zorkan
