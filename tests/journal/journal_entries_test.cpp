#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "journal/journal.h"
#include "profiles/profile.h"
#include "profiles/profile_difference.h"
#include "sim/virtual_clock.h"
#include "tests/profiles/profile_helpers.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using namespace std::chrono_literals;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

const JournalLink kLink{"1", 7, 19200};

struct JournalRig {
  explicit JournalRig(std::size_t mostEntries = Journal::kMostEntries)
      : journal(JournalFolder(folder.path()), clock, mostEntries) {}

  std::filesystem::path path(const std::string& name) const {
    return JournalFolder(folder.path()) / name;
  }
  // A read of the instrument `serialNumber`, a minute after whatever came before.
  void read(std::int32_t serialNumber, LinkError result = kOk) {
    clock.advance(1min);
    DeviceSettings settings;
    settings.general.serialNumber = serialNumber;
    ASSERT_TRUE(journal.recordRead(kLink, result, settings).recorded);
  }
  void write(std::int32_t serialNumber) {
    clock.advance(1min);
    DeviceSettings settings;
    settings.general.serialNumber = serialNumber;
    ASSERT_TRUE(journal.recordWrite(kLink, kOk, settings).recorded);
  }

  ScratchFolder folder;
  sim::VirtualClock clock{{2026, 12, 8, 14, 30, 5}};
  Journal journal;
};

std::vector<std::uint64_t> Sequences(const std::vector<JournalEntry>& entries) {
  std::vector<std::uint64_t> sequences;
  for (const JournalEntry& entry : entries) sequences.push_back(entry.sequence);
  return sequences;
}

// A read, a write of one changed value that failed with 15, and a set: each entry lists with its
// metadata (where the write stopped kept on one line), a profile loads back as the settings
// recorded, and the tool's own profile load, which would write back into a profile, leaves an
// entry's file as it was.
TEST(JournalEntries, RecordedEntriesReadBackAsRecorded) {
  JournalRig rig;
  DeviceSettings read = testing::Scrambled();
  read.general.serialNumber = 4242;
  ASSERT_TRUE(rig.journal.recordRead(kLink, kOk, read).recorded);
  rig.clock.advance(1min);
  DeviceSettings sent = read;
  sent.channels[0].setpoint1 = 80.25f;
  const std::string stoppedAt = "Идет запись настроек канала 1: Запись\tуставки";
  ASSERT_TRUE(rig.journal.recordWrite(kLink, kReadBackMismatch, sent, stoppedAt).recorded);
  rig.clock.advance(1s);
  const SetParameter parameter{2, 29, ValueKind::Float, 0.1f};
  ASSERT_TRUE(rig.journal.recordSet(kLink, kNoAnswer, parameter).recorded);

  const std::vector<JournalEntry> entries = rig.journal.entries();
  ASSERT_EQ(Sequences(entries), (std::vector<std::uint64_t>{3, 2, 1}));
  const JournalEntry& set = entries[0];
  const JournalEntry& write = entries[1];
  const JournalEntry& readEntry = entries[2];
  EXPECT_EQ(readEntry.fileName, "00000001-20261208-143005-read.prf");
  EXPECT_EQ(readEntry.time, (LocalTime{2026, 12, 8, 14, 30, 5}));
  EXPECT_EQ(readEntry.result, kOk);
  EXPECT_EQ(readEntry.link, kLink);
  EXPECT_EQ(readEntry.serial, (EntrySerial{4242, SerialSource::Instrument}));
  EXPECT_EQ(readEntry.description, "Первая строка");
  EXPECT_EQ(write.fileName, "00000002-20261208-143105-write.prf");
  EXPECT_EQ(write.result, kReadBackMismatch);
  EXPECT_EQ(write.serial, (EntrySerial{4242, SerialSource::Pages}));
  EXPECT_EQ(write.stoppedAt, "Идет запись настроек канала 1: Запись уставки");
  EXPECT_EQ(readEntry.stoppedAt, "");
  EXPECT_EQ(set.fileName, "00000003-20261208-143106-set.txt");
  EXPECT_EQ(set.result, kNoAnswer);
  EXPECT_EQ(set.parameter, parameter);
  EXPECT_FALSE(set.serial);
  EXPECT_EQ(rig.journal.find("2"), write);
  EXPECT_EQ(rig.journal.find(set.fileName), set);

  DeviceSettings loaded;
  ASSERT_TRUE(rig.journal.loadProfile(readEntry, loaded));
  EXPECT_EQ(loaded.general.serialNumber, 0) << "no profile carries it";
  loaded.general.serialNumber = read.general.serialNumber;
  EXPECT_EQ(loaded, read);
  EXPECT_FALSE(rig.journal.loadProfile(set, loaded));
  DeviceSettings written;
  std::vector<profile::KeyPlace> missing{{}};
  ASSERT_TRUE(rig.journal.loadProfile(write, written, missing));
  EXPECT_TRUE(missing.empty()) << "an entry holds every setting a write sends";
  EXPECT_EQ(DifferingProfileKeys(loaded, written),
            (std::vector<ProfileKeyDifference>{{"CH1", "th1", "71.5000", "80.2500"}}));

  const std::filesystem::path path = rig.journal.pathOf(readEntry);
  const std::string bytes = ReadBytes(path);
  DeviceSettings viaTool;
  ASSERT_TRUE(LoadProfile(path, viaTool));
  EXPECT_EQ(viaTool.channels[0].setpoint1, 71.5f);
  EXPECT_EQ(ReadBytes(path), bytes);
  struct stat status {};
  ASSERT_EQ(::stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0444u);
}

// Neither a failed read, nor another instrument's read, nor a read after the write is the
// configuration the write replaced.
TEST(JournalEntries, RestorePointIsNewestGoodReadBeforeNewestWrite) {
  JournalRig rig;
  rig.read(100);             // 1
  rig.write(100);            // 2
  rig.read(100);             // 3: the one
  rig.read(100, kNoAnswer);  // 4
  rig.read(200);             // 5
  rig.write(100);            // 6
  rig.write(200);            // 7
  rig.read(100);             // 8
  rig.read(300);             // 9: never written

  EXPECT_EQ(rig.journal.readBeforeNewestWrite(100)->sequence, 3u);
  EXPECT_EQ(rig.journal.readBeforeNewestWrite(200)->sequence, 5u);
  EXPECT_FALSE(rig.journal.readBeforeNewestWrite(300));
  EXPECT_FALSE(rig.journal.readBeforeNewestWrite(400));

  JournalQuery query;
  query.serialNumber = 100;
  query.last = 3;
  const std::vector<JournalEntry> newest = rig.journal.entries(query);
  EXPECT_EQ(Sequences(newest), (std::vector<std::uint64_t>{8, 6, 4}));
  EXPECT_EQ(newest[2].serial, (EntrySerial{100, SerialSource::Pages})) << "a failed read";
}

// The folder stays bounded: never more entries than the limit, the newest always among them, and
// what writers killed long ago left behind cleared; a temporary that a running writer may still
// be filling stays.
TEST(JournalEntries, PruningKeepsTheNewest) {
  JournalRig rig(3);
  for (std::uint64_t i = 1; i <= 6; ++i) {
    rig.read(100);
    const std::vector<JournalEntry> kept = rig.journal.entries();
    ASSERT_LE(kept.size(), 3u);
    EXPECT_EQ(kept.front().sequence, i);
  }
  const std::vector<JournalEntry> kept = rig.journal.entries();
  EXPECT_EQ(Sequences(kept), (std::vector<std::uint64_t>{6, 5, 4}));

  const std::filesystem::path old = rig.path(".00000004-20261208-143005-read.prf.tmp-Ab12Cd");
  const std::filesystem::path fresh = rig.path(".index.txt.tmp-Ef34Gh");
  WriteBytes(old, "[Journal]\r\ntime=20");
  WriteBytes(fresh, "# file\ttime");
  std::filesystem::last_write_time(old, std::filesystem::file_time_type::clock::now() - 1h);
  rig.read(100);
  std::vector<std::string> files{"index.txt", fresh.filename().string()};
  for (const JournalEntry& entry : rig.journal.entries()) files.push_back(entry.fileName);
  std::vector<std::string> onDisk;
  for (const auto& item : std::filesystem::directory_iterator(rig.path(""))) {
    onDisk.push_back(item.path().filename().string());
  }
  std::sort(files.begin(), files.end());
  std::sort(onDisk.begin(), onDisk.end());
  EXPECT_EQ(onDisk, files);
}

// The files are the truth: an index that is missing, damaged or behind the folder is rebuilt from
// them as it was, and a file named as an entry that holds none is neither listed nor overwritten.
TEST(JournalEntries, IndexRebuiltFromTheFiles) {
  JournalRig rig;
  for (int i = 0; i < 4; ++i) rig.read(100 + i);
  ASSERT_TRUE(rig.journal.recordSet(kLink, kOk, SetParameter{1, 6, ValueKind::Byte, 255}).recorded);
  const std::vector<JournalEntry> entries = rig.journal.entries();
  const std::filesystem::path index = rig.path("index.txt");
  const std::string indexBytes = ReadBytes(index);

  std::filesystem::remove(index);
  EXPECT_EQ(rig.journal.entries(), entries);
  EXPECT_EQ(ReadBytes(index), indexBytes);

  // Lines: the header, then the entries oldest first.
  std::vector<std::string> lines;
  for (std::size_t begin = 0; begin < indexBytes.size();) {
    const std::size_t end = indexBytes.find("\r\n", begin) + 2;
    lines.push_back(indexBytes.substr(begin, end - begin));
    begin = end;
  }
  ASSERT_EQ(lines.size(), 6u);
  std::string gone = lines[1];
  gone.replace(0, 8, "00000077");
  std::string damaged = lines[0];
  for (std::size_t i = 2; i < lines.size(); ++i) damaged += lines[i];
  damaged += gone + "junk\r\n" + lines[2];
  WriteBytes(index, damaged);
  EXPECT_EQ(rig.journal.entries(), entries);
  EXPECT_EQ(ReadBytes(index), indexBytes);

  std::filesystem::remove(rig.journal.pathOf(entries.back()));
  WriteBytes(rig.path("00000009-20261208-143005-read.prf"), "[CH1]\r\nth1=abc\r\n");
  const std::vector<JournalEntry> left(entries.begin(), entries.end() - 1);
  EXPECT_EQ(rig.journal.entries(), left);
  EXPECT_EQ(ReadBytes(index).find(entries.back().fileName), std::string::npos);
  rig.read(200);
  EXPECT_EQ(rig.journal.entries().front().sequence, 10u);
  EXPECT_EQ(ReadBytes(rig.path("00000009-20261208-143005-read.prf")), "[CH1]\r\nth1=abc\r\n");
}

}  // namespace
}  // namespace zorkan
