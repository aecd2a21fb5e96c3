#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

#include "profiles/profile.h"
#include "tests/profiles/profile_helpers.h"
#include "tests/support/killed_writer.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using testing::KeyLine;
using testing::KeyLines;
using testing::ReadBytes;
using testing::Scrambled;
using testing::ScratchFolder;

// A save killed at any moment leaves a profile whose every key holds the value of the save before
// or of the save that was running, never a cut or mixed line, and that loads.
TEST(KilledSave, EveryKeyOldOrNew) {
  ScratchFolder folder;
  const DeviceSettings first = Scrambled();
  const DeviceSettings second;
  ASSERT_TRUE(SaveProfile(folder / "first.prf", first));
  ASSERT_TRUE(SaveProfile(folder / "second.prf", second));
  const std::vector<KeyLine> firstLines = KeyLines(ReadBytes(folder / "first.prf"));
  const std::vector<KeyLine> secondLines = KeyLines(ReadBytes(folder / "second.prf"));
  ASSERT_EQ(firstLines.size(), secondLines.size());
  std::size_t differing = 0;
  for (std::size_t i = 0; i < firstLines.size(); ++i) {
    differing += firstLines[i] == secondLines[i] ? 0 : 1;
  }
  std::filesystem::remove(folder / "first.prf");
  std::filesystem::remove(folder / "second.prf");

  const auto path = RecentProfilePath(folder.path());
  ASSERT_TRUE(SaveProfile(path, first));
  std::mt19937 random(11);
  int mixed = 0;
  for (int round = 0; round < 100; ++round) {
    ASSERT_TRUE(testing::KillWhileWriting(
        std::chrono::microseconds(random() % 40'000),
        [&](unsigned i) { return SaveProfile(path, i % 2 ? first : second); }))
        << "the saving process stopped by itself";

    const std::vector<KeyLine> lines = KeyLines(ReadBytes(path));
    ASSERT_EQ(lines.size(), firstLines.size()) << "round " << round;
    int fromFirst = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      ASSERT_TRUE(lines[i] == firstLines[i] || lines[i] == secondLines[i])
          << "round " << round << ": " << lines[i];
      fromFirst += lines[i] == firstLines[i] && firstLines[i] != secondLines[i] ? 1 : 0;
    }
    mixed += fromFirst > 0 && static_cast<std::size_t>(fromFirst) < differing ? 1 : 0;
    // A load writes to the file; a copy keeps the next round's comparison to the saves alone.
    std::filesystem::copy_file(path, folder / "copy.prf");
    DeviceSettings loaded;
    ASSERT_TRUE(LoadProfile(folder / "copy.prf", loaded)) << "round " << round;

    // Besides the copy, a temporary the killed save was writing may stay behind.
    for (const auto& name : folder.entries()) {
      if (name != "recent.prf") std::filesystem::remove(folder / name);
    }
  }
  RecordProperty("mixedFiles", mixed);
}

}  // namespace
}  // namespace zorkan
