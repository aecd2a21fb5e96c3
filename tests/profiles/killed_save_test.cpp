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

using testing::ReadBytes;
using testing::Scrambled;
using testing::ScratchFolder;

// A save killed at any moment leaves the whole profile of the save before or the whole profile of
// the save that was running, never some keys of each; at most the temporary it was writing stays.
TEST(KilledSave, ProfileHoldsOneSaveWhole) {
  ScratchFolder folder;
  const DeviceSettings first = Scrambled();
  const DeviceSettings second;
  ASSERT_TRUE(SaveProfile(folder / "first.prf", first));
  ASSERT_TRUE(SaveProfile(folder / "second.prf", second));
  const std::string firstBytes = ReadBytes(folder / "first.prf");
  const std::string secondBytes = ReadBytes(folder / "second.prf");
  std::filesystem::remove(folder / "first.prf");
  std::filesystem::remove(folder / "second.prf");

  const auto path = RecentProfilePath(folder.path());
  ASSERT_TRUE(SaveProfile(path, first));
  std::mt19937 random(11);
  int killedMidSave = 0;
  for (int round = 0; round < 100; ++round) {
    ASSERT_TRUE(testing::KillWhileWriting(
        std::chrono::microseconds(random() % 4'000),
        [&](unsigned i) { return SaveProfile(path, i % 2 ? first : second); }))
        << "the saving process stopped by itself";

    const std::string bytes = ReadBytes(path);
    ASSERT_TRUE(bytes == firstBytes || bytes == secondBytes) << "round " << round;
    for (const auto& name : folder.entries()) {
      if (name == "recent.prf") continue;
      ASSERT_EQ(name.rfind(".recent.prf.tmp-", 0), 0u) << name;
      std::filesystem::remove(folder / name);
      ++killedMidSave;
    }
  }
  RecordProperty("killedMidSave", killedMidSave);
}

}  // namespace
}  // namespace zorkan
