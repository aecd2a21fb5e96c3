// The dated CSV log: off until switched on, a header that names each column and its unit (again
// where the units change, never twice for one run), each logged tick with milliseconds and zone,
// and a history written back into the same form reads as it was.
#include <gtest/gtest.h>

#include "history/csv_history.h"
#include "history/moments.h"
#include "ini/cp1251.h"
#include "live/csv_measurement_log.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;

TEST(CsvLog, EachTickUnderAHeaderThatNamesEveryColumnAndItsUnit) {
  ScratchFolder folder;
  DeviceSettings pages;
  pages.channels[0].sensorType = kSensorThermocoupleK;
  pages.channels[1].sensorType = kSensorResistance;
  pages.channels[0].setpoint1 = 150;
  pages.channels[1].setpoint1 = 200;
  LiveValues values;
  values.relays = kRelay1On;
  values.channels[0] = {150.25f, 0, 0};
  values.channels[1] = {-1000.0f, 9, kSensorBreak};
  const LocalTime moscow{2026, 12, 8, 14, 30, 5, 250, 180};
  const LocalTime halfASecondLater{2026, 12, 8, 14, 30, 5, 750, 180};

  CsvMeasurementLog log(folder.path());
  log.append(values, pages, moscow);
  EXPECT_TRUE(folder.entries().empty()) << "off until switched on";
  log.switchOn(true);
  log.append(values, pages, moscow);
  log.append(values, pages, halfASecondLater);
  CsvMeasurementLog nextRun(folder.path());
  nextRun.switchOn(true);
  values.relays = kRelay2On;
  nextRun.append(values, pages, halfASecondLater);
  pages.channels[1].sensorType = kSensorThermocoupleK;
  nextRun.append(values, pages, halfASecondLater);

  const std::string line1 =
      "2026-12-08T14:30:05.250+03:00,1,0,150.2500,0,-1000.0000,9,150.0000,200.0000\r\n";
  const std::string line2 =
      "2026-12-08T14:30:05.750+03:00,1,0,150.2500,0,-1000.0000,9,150.0000,200.0000\r\n";
  const std::string line3 =
      "2026-12-08T14:30:05.750+03:00,0,1,150.2500,0,-1000.0000,9,150.0000,200.0000\r\n";
  const std::string columns =
      "time (ISO 8601),relay1 (0/1),relay2 (0/1),channel1 (°C),status1 (code),";
  const std::string file = ReadBytes(folder / "IZM-20261208.csv");
  EXPECT_EQ(
      file,
      Utf8ToCp1251(columns + "channel2 (Ом),status2 (code),setpoint (°C),alarm setpoint (Ом)\r\n" +
                   line1 + line2 + line3 + columns +
                   "channel2 (°C),status2 (code),setpoint (°C),alarm setpoint (°C)\r\n" + line3));
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"IZM-20261208.csv"});

  const CsvHistory back = ReadCsvHistory(file);
  EXPECT_EQ(back.skippedLines, 0u);
  ASSERT_EQ(back.history.samples.size(), 4u);
  EXPECT_EQ(back.history.units, (ChannelUnits{"°C", "°C"}));
  const HistorySample& first = back.history.samples[0];
  // 14:30:05.250 at UTC+3 is 11:30:05.250 UTC.
  EXPECT_EQ(first.moment, MomentOf({2026, 12, 8, 11, 30, 5, 250, 0}));
  EXPECT_EQ(first.measurement, (LoggedMeasurement{kRelay1On, {150.25f, -1000.0f}, {0, 9}}));
  EXPECT_EQ(first.setpoint, 150.0f);
  EXPECT_EQ(first.alarmSetpoint, 200.0f);
  EXPECT_EQ(back.history.samples[1].moment - first.moment, 500);

  // A stretch of the history in the log's form, times in this machine's zone, loads back as it
  // was: an export of the window.
  const CsvHistory exported =
      ReadCsvHistory(CsvHistoryText(back.history, first.moment + 1, first.moment + 500));
  ASSERT_EQ(exported.history.samples.size(), 3u);
  EXPECT_EQ(exported.history.samples[0].moment, first.moment + 500);
  EXPECT_EQ(exported.history.samples[2].measurement, back.history.samples[3].measurement);
  EXPECT_EQ(exported.history.units, back.history.units);
}

}  // namespace
}  // namespace zorkan
