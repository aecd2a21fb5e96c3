#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

#include "ini/ini_file.h"
#include "tests/support/killed_writer.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;

// A writer killed at any moment leaves the file with its old or its new content, never a part;
// at most the one temporary it was writing stays behind.
TEST(KilledWriter, FileHoldsOldOrNewContent) {
  ScratchFolder folder;
  const auto path = folder / "a.prf";
  IniFile ini(path);
  // A large file, so that a kill often lands while the temporary is being written.
  const std::string filler(20'000, 'f');
  ASSERT_TRUE(ini.writeText("Before", "filler", filler));
  ASSERT_TRUE(ini.writeText("DATA", "payload", "A"));
  ASSERT_TRUE(ini.writeText("After", "filler", filler));
  const std::string contentA = ReadBytes(path);
  ASSERT_TRUE(ini.writeText("DATA", "payload", "B"));
  const std::string contentB = ReadBytes(path);

  std::mt19937 random(7);
  int killedMidWrite = 0;
  for (int round = 0; round < 200; ++round) {
    ASSERT_TRUE(testing::KillWhileWriting(
        std::chrono::microseconds(random() % 3000),
        [&](unsigned i) { return ini.writeText("DATA", "payload", i % 2 ? "A" : "B"); }))
        << "the writer stopped by itself";

    const std::string content = ReadBytes(path);
    ASSERT_TRUE(content == contentA || content == contentB) << "round " << round;
    const auto entries = folder.entries();
    ASSERT_LE(entries.size(), 2u) << "round " << round;
    for (const auto& name : entries) {
      if (name == "a.prf") continue;
      EXPECT_EQ(name.rfind(".a.prf.tmp-", 0), 0u) << name;
      std::filesystem::remove(folder / name);
      ++killedMidWrite;
    }
  }
  RecordProperty("killedMidWrite", killedMidWrite);
}

}  // namespace
}  // namespace zorkan
