// A journal folder that something else has been at: whatever stands in the index's or an entry's
// place, recording and listing neither throw, nor block, nor touch anything outside the folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <limits>
#include <string>

#include "journal/journal.h"
#include "sim/virtual_clock.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using namespace std::chrono_literals;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

const JournalLink kLink{"/dev/pts/3", 1, 9600};

struct HostileFolderRig {
  explicit HostileFolderRig(std::size_t mostEntries = Journal::kMostEntries)
      : journal(folder.path(), clock, mostEntries) {}

  bool read() {
    clock.advance(1min);
    return journal.recordRead(kLink, kOk, DeviceSettings()).recorded;
  }

  ScratchFolder folder;
  sim::VirtualClock clock{{2026, 12, 8, 14, 30, 5}};
  Journal journal;
};

// In a child, so that a journal that blocks fails the test instead of hanging it.
template <typename Work>
bool FinishesInTime(Work work) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::alarm(10);
    ::_exit(work() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The index was sized from whatever was there: a folder gave an uncaught std::bad_alloc. A folder
// names no entry, so the oldest still go once the journal is full.
TEST(HostileJournalFolder, FolderInTheIndexPlace) {
  HostileFolderRig rig(3);
  std::filesystem::create_directories(rig.folder / "index.txt" / "inside");
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(rig.read()) << i;
  std::vector<JournalEntry> entries;
  ASSERT_NO_THROW(entries = rig.journal.entries());
  EXPECT_LE(entries.size(), 3u);
  EXPECT_EQ(entries.front().sequence, 5u);
  EXPECT_TRUE(std::filesystem::is_directory(rig.folder / "index.txt" / "inside"));
}

// A pipe without a writer blocked the reader's open for ever, one without a reader the writer's.
TEST(HostileJournalFolder, PipesInTheIndexAndAnEntryPlace) {
  HostileFolderRig rig;
  ASSERT_TRUE(rig.read());
  std::filesystem::remove(rig.folder / "index.txt");
  ASSERT_EQ(::mkfifo((rig.folder / "index.txt").c_str(), 0644), 0);
  ASSERT_EQ(::mkfifo((rig.folder / "00000009-20261208-143005-read.prf").c_str(), 0644), 0);
  EXPECT_TRUE(FinishesInTime([&] { return rig.journal.entries().size() == 1; }));
  EXPECT_TRUE(std::filesystem::is_regular_file(rig.folder / "index.txt")) << "rebuilt";
  std::filesystem::remove(rig.folder / "index.txt");
  ASSERT_EQ(::mkfifo((rig.folder / "index.txt").c_str(), 0644), 0);
  EXPECT_TRUE(FinishesInTime([&] { return rig.read() && rig.journal.entries().size() == 2; }));
}

// A link in the index's place had the next line appended to the file it named; one in an entry's
// place would be read as an entry. Both lead out of the folder.
TEST(HostileJournalFolder, LinksLeadingOutOfTheFolder) {
  HostileFolderRig rig;
  ASSERT_TRUE(rig.read());
  ScratchFolder outside;
  WriteBytes(outside / "notes.txt", "notes\r\n");
  std::filesystem::copy_file(rig.journal.pathOf(rig.journal.entries().front()),
                             outside / "profile.prf");
  std::filesystem::remove(rig.folder / "index.txt");
  std::filesystem::create_symlink(outside / "notes.txt", rig.folder / "index.txt");
  std::filesystem::create_symlink(outside / "profile.prf",
                                  rig.folder / "00000009-20261208-143005-read.prf");

  ASSERT_TRUE(rig.read());
  EXPECT_EQ(ReadBytes(outside / "notes.txt"), "notes\r\n");
  EXPECT_FALSE(std::filesystem::is_symlink(rig.folder / "index.txt"));
  EXPECT_EQ(rig.journal.entries().size(), 2u);
  EXPECT_FALSE(rig.journal.find("9"));
}

// Past the largest number the next wrapped to 0, sorted as the oldest, and a full journal pruned
// it at once without a word. There is no number after the largest: the recording fails and says
// so, and the entries stay.
TEST(HostileJournalFolder, EntryNumberedLargest) {
  HostileFolderRig rig(2);
  ASSERT_TRUE(rig.read());
  const std::uint64_t largest = std::numeric_limits<std::uint64_t>::max();
  std::filesystem::copy_file(
      rig.journal.pathOf(rig.journal.entries().front()),
      rig.folder / (std::to_string(largest - 1) + "-20261208-143005-read.prf"));
  ASSERT_TRUE(rig.read());
  EXPECT_EQ(rig.journal.entries().front().sequence, largest);

  const std::vector<JournalEntry> before = rig.journal.entries();
  const JournalOutcome refused = rig.journal.recordSet(kLink, kOk, SetParameter{});
  EXPECT_FALSE(refused.recorded);
  EXPECT_NE(refused.reason.find("no entry number is left after " + std::to_string(largest)),
            std::string::npos)
      << refused.reason;
  EXPECT_EQ(rig.journal.failureToTell(), refused.reason);
  EXPECT_EQ(rig.journal.entries(), before);
}

}  // namespace
}  // namespace zorkan
