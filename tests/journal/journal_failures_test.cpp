#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "ini/ini_file.h"
#include "journal/journal.h"
#include "sim/virtual_clock.h"
#include "tests/profiles/profile_helpers.h"
#include "tests/support/killed_writer.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

const JournalLink kLink{"/dev/pts/3", 1, 9600};

// Entry i records what every i % 3 records, at one fixed moment: the same bytes each time.
bool RecordNumber(Journal& journal, unsigned i) {
  static const DeviceSettings kRead = testing::Scrambled();
  static const DeviceSettings kWritten;
  switch (i % 3) {
    case 0:
      return journal.recordRead(kLink, kOk, kRead).recorded;
    case 1:
      return journal.recordWrite(kLink, kCancelledByOperator, kWritten).recorded;
    default:
      return journal.recordSet(kLink, kOk, SetParameter{2, 29, ValueKind::Float, 150}).recorded;
  }
}

// The action in an entry's file name: "...-read.prf" gives "read.prf".
std::string EndingOf(const std::string& name) {
  return name.substr(name.rfind('-') + 1);
}

// The file names the index lines begin with.
std::set<std::string> IndexedNames(const std::string& index) {
  std::set<std::string> names;
  for (std::size_t begin = 0; begin < index.size();) {
    const std::size_t end = index.find("\r\n", begin);
    if (index[begin] != '#') names.insert(index.substr(begin, index.find('\t', begin) - begin));
    begin = end + 2;
  }
  return names;
}

// A recording killed at any moment leaves whole entries and an index whose every line names one
// of them; at most the temporary it was writing stays behind, and the next reader lists every
// entry. Every other round the journal is full, so that the kill may land in the pruning.
TEST(KilledRecording, LeavesWholeEntriesOnly) {
  constexpr std::size_t kFull = 4;
  const sim::VirtualClock clock;
  std::map<std::string, std::string> wholeFiles;  // by ending
  {
    ScratchFolder reference;
    Journal journal(reference.path(), clock);
    for (unsigned i = 0; i < 3; ++i) ASSERT_TRUE(RecordNumber(journal, i));
    for (const JournalEntry& entry : journal.entries()) {
      wholeFiles[EndingOf(entry.fileName)] = ReadBytes(journal.pathOf(entry));
    }
  }

  ScratchFolder folder;
  std::mt19937 random(17);
  int killedMidWrite = 0;
  for (int round = 0; round < 100; ++round) {
    const bool full = round % 2 == 1;
    Journal journal(folder.path(), clock, full ? kFull : Journal::kMostEntries);
    ASSERT_TRUE(testing::KillWhileWriting(std::chrono::microseconds(random() % 4'000),
                                          [&](unsigned i) { return RecordNumber(journal, i); }))
        << "the recording process stopped by itself";

    std::set<std::string> entryNames;
    for (const std::string& name : folder.entries()) {
      if (name == "index.txt") continue;
      if (name.starts_with('.')) {
        ASSERT_NE(name.find(".tmp-"), std::string::npos) << name;
        std::filesystem::remove(folder / name);
        ++killedMidWrite;
        continue;
      }
      ASSERT_EQ(ReadBytes(folder / name), wholeFiles[EndingOf(name)]) << name;
      entryNames.insert(name);
    }
    for (const std::string& name : IndexedNames(ReadBytes(folder / "index.txt"))) {
      ASSERT_TRUE(entryNames.contains(name)) << "round " << round << ": " << name;
    }
    // A kill between an entry and the pruning it calls for leaves one over.
    if (full) {
      ASSERT_LE(entryNames.size(), kFull + 1);
    }
    ASSERT_EQ(journal.entries().size(), entryNames.size());
  }
  RecordProperty("killedMidWrite", killedMidWrite);
}

// Two programs that list the folder at one moment took one number under two names (a read's and a
// set's), and "journal diff N" then picked one of them.
TEST(ConcurrentRecording, TwoRecordersNeverShareANumber) {
  constexpr unsigned kEach = 150;
  ScratchFolder folder;
  const sim::VirtualClock clock;
  int start[2];
  ASSERT_EQ(::pipe(start), 0);
  std::vector<pid_t> recorders;
  for (unsigned recorder = 0; recorder < 2; ++recorder) {
    const pid_t child = ::fork();
    if (child == 0) {
      ::alarm(120);
      ::close(start[1]);
      char go = 0;
      (void)!::read(start[0], &go, 1);
      Journal journal(folder.path(), clock);
      for (unsigned i = 0; i < kEach; ++i) {
        // A read or a set each: the same number gives each its own name.
        if (!RecordNumber(journal, recorder == 0 ? 0 : 2)) ::_exit(1);
      }
      ::_exit(0);
    }
    recorders.push_back(child);
  }
  ::close(start[0]);
  ::close(start[1]);  // both start at once
  for (const pid_t child : recorders) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  const std::vector<JournalEntry> entries = Journal(folder.path(), clock).entries();
  std::set<std::uint64_t> numbers;
  for (const JournalEntry& entry : entries) numbers.insert(entry.sequence);
  EXPECT_EQ(entries.size(), 2 * kEach);
  EXPECT_EQ(numbers.size(), entries.size());
}

// As root no permission refuses a write: a file where the folder would be does, for root too.
TEST(UnwritableJournal, ToldOnceAndNeverThrows) {
  ScratchFolder folder;
  WriteBytes(folder / "journal", "not a folder");
  const sim::VirtualClock clock;
  Journal journal(JournalFolder(folder.path()), clock);
  JournalOutcome first;
  EXPECT_NO_THROW(first = journal.recordRead(kLink, kOk, DeviceSettings()));
  EXPECT_FALSE(first.recorded);
  EXPECT_EQ(first.reason.rfind(UnableToWriteText(folder / "journal") + ": ", 0), 0u)
      << first.reason;
  EXPECT_FALSE(journal.recordSet(kLink, kOk, SetParameter{}).recorded);
  EXPECT_EQ(journal.failureToTell(), first.reason);
  EXPECT_FALSE(journal.recordWrite(kLink, kOk, DeviceSettings()).recorded);
  EXPECT_FALSE(journal.failureToTell()) << "once per run";
  EXPECT_TRUE(journal.entries().empty());
  EXPECT_EQ(ReadBytes(folder / "journal"), "not a folder");
}

// A file size limit fails the entry half-way, as a full disk does: no entry and no part of one
// appears, and the entries before stay as they were.
TEST(UnwritableJournal, FullDiskLeavesEarlierEntriesAlone) {
  ScratchFolder folder;
  const sim::VirtualClock clock;
  Journal journal(folder.path(), clock);
  ASSERT_TRUE(journal.recordSet(kLink, kOk, SetParameter{}).recorded);
  const std::vector<std::string> before = folder.entries();
  const std::string setEntry = ReadBytes(folder / before.front());

  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1024, 1024};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const JournalOutcome outcome = journal.recordRead(kLink, kOk, testing::Scrambled());
    ::_exit(!outcome.recorded && journal.failureToTell() == outcome.reason ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(folder.entries(), before);
  EXPECT_EQ(ReadBytes(folder / before.front()), setEntry);
  EXPECT_EQ(journal.entries().size(), 1u);
}

}  // namespace
}  // namespace zorkan
