// IZM.txt read back for the history: its lines carry a time of day and no date, so the file's
// time dates the last line and each midnight crossed the lines before it; and no file, however
// damaged, big or strange, stops the reading or hangs it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "history/log_reading.h"
#include "history/moments.h"
#include "live/measurement_log.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using testing::ScratchFolder;
using testing::WriteBytes;

struct ClockTime {
  int hour, minute, second;
};

std::string LinesAt(const std::vector<ClockTime>& times, const LiveValues& values) {
  std::string log;
  for (const ClockTime& t : times)
    log += MeasurementLogLine(values, {0, 0, 0, t.hour, t.minute, t.second});
  return log;
}

void SetFileTime(const std::filesystem::path& path, int year, int month, int day, int secondOfDay) {
  const std::chrono::sys_time<std::chrono::milliseconds> moment{
      std::chrono::milliseconds(MomentOfLocal(year, month, day, secondOfDay))};
  std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(moment));
}

// "07.12 23:59:59.500" of a sample, in this machine's zone as the lines were written.
std::string LocalText(const HistorySample& sample) {
  const LocalTime t = LocalTimeAt(sample.moment);
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d %02d:%02d:%02d.%03d", t.day, t.month, t.hour,
                t.minute, t.second, t.millisecond);
  return text;
}

TEST(MeasurementLogDating, TheFileTimeAndEachMidnightGiveEveryLineItsDay) {
  ScratchFolder folder;
  LiveValues values;
  values.relays = kRelay1On;
  values.channels[0] = {150.25f, 0, 0};
  values.channels[1] = {0.0f, 12, 0};
  // Two polls a second log one time of day twice; a damaged line among them; a clock set back by
  // half an hour after midnight is no second midnight.
  const std::string log = LinesAt({{22, 10, 0}, {23, 59, 59}, {23, 59, 59}}, values) +
                          "23:59:5\x01\t01\tgarbage\n" +
                          LinesAt({{0, 0, 0}, {0, 40, 0}, {0, 10, 0}, {0, 15, 0}}, values);
  WriteBytes(folder / "IZM.txt", log);
  SetFileTime(folder / "IZM.txt", 2026, 12, 8, 15 * 60 + 2);

  const LogReading reading = ReadMeasurementLog(folder / "IZM.txt");
  ASSERT_EQ(reading.problem, LogProblem::None);
  EXPECT_EQ(reading.format, LogFormat::MeasurementLog);
  EXPECT_EQ(reading.midnights, 1);
  EXPECT_EQ(reading.skippedLines, 1u);
  EXPECT_EQ(reading.fileTime.day, 8);
  std::vector<std::string> dated;
  for (const HistorySample& sample : reading.history.samples) dated.push_back(LocalText(sample));
  EXPECT_EQ(dated, (std::vector<std::string>{"07.12 22:10:00.000", "07.12 23:59:59.000",
                                             "07.12 23:59:59.500", "08.12 00:00:00.000",
                                             "08.12 00:10:00.000", "08.12 00:15:00.000",
                                             "08.12 00:40:00.000"}));
  const HistorySample& first = reading.history.samples.front();
  EXPECT_EQ(first.measurement, (LoggedMeasurement{kRelay1On, {150.25f, 0.0f}, {0, 12}}));
  EXPECT_TRUE(std::isnan(first.setpoint)) << "IZM.txt holds no setpoints";

  // The last line written just before midnight, the file changed just after it.
  WriteBytes(folder / "late.txt", LinesAt({{23, 50, 0}}, values));
  SetFileTime(folder / "late.txt", 2026, 12, 8, 5 * 60);
  const LogReading late = ReadMeasurementLog(folder / "late.txt");
  ASSERT_EQ(late.history.samples.size(), 1u);
  EXPECT_EQ(LocalText(late.history.samples[0]), "07.12 23:50:00.000");
}

TEST(LogReading, DamagedHugeOrStrangeFilesAreToldApartWithoutHanging) {
  ScratchFolder folder;
  std::mt19937 random(7);
  std::string garbage(100'000, '\0');
  for (char& byte : garbage) byte = static_cast<char>(random());
  WriteBytes(folder / "garbage.txt", garbage);
  const LogReading damaged = ReadMeasurementLog(folder / "garbage.txt");
  EXPECT_EQ(damaged.problem, LogProblem::NoLines);
  EXPECT_GT(damaged.skippedLines, 0u);

  ASSERT_EQ(::mkfifo((folder / "pipe.txt").c_str(), 0600), 0);
  EXPECT_EQ(ReadMeasurementLog(folder / "pipe.txt").problem, LogProblem::NotAFile);
  EXPECT_EQ(ReadMeasurementLog(folder.path()).problem, LogProblem::NotAFile);
  EXPECT_EQ(ReadMeasurementLog(folder / "none.txt").problem, LogProblem::Missing);

  // Larger than the window reads: its end, from a whole line on.
  const std::string line = LinesAt({{12, 0, 0}}, LiveValues{});
  std::string huge;
  huge.reserve(kMostLogBytes + 2 * line.size());
  while (huge.size() <= kMostLogBytes) huge += line;
  huge += LinesAt({{13, 0, 0}}, LiveValues{});
  WriteBytes(folder / "huge.txt", huge);
  const LogReading end = ReadMeasurementLog(folder / "huge.txt");
  EXPECT_EQ(end.problem, LogProblem::None);
  EXPECT_TRUE(end.onlyEnd);
  EXPECT_EQ(end.skippedLines, 0u) << "a cut first line is no damaged one";
  EXPECT_EQ(end.history.samples.size(), kMostLogBytes / line.size());
}

}  // namespace
}  // namespace zorkan
