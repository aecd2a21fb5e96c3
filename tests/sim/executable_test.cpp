#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "frames.h"
#include "link/frame.h"
#include "raw_client.h"
#include "tests/support/child_process.h"
#include "tests/support/scratch_folder.h"

namespace zorkan::sim {
namespace {

using namespace std::chrono_literals;
using testing::ExpectedData;
using testing::ExpectedStatus;
using testing::RawClient;
using testing::ReadFrame;
using zorkan::testing::ChildProcess;
using zorkan::testing::ScratchFolder;

TEST(SimulatorExecutable, ServesThroughItsLinkUntilSigterm) {
  ScratchFolder folder;
  const auto link = folder.path() / "COM7";
  ChildProcess child(ZORKAN_SIM_EXECUTABLE, {"--dir", folder.path().string(), "--name", "COM7",
                                             "--baud", "0", "--fault", "status@2:3=0003x1"});
  const auto line = child.readLine(10s);
  ASSERT_TRUE(line) << child.errorOutput();
  EXPECT_TRUE(line->starts_with("zorkan-sim: COM7 -> /dev/pts/")) << *line;
  EXPECT_TRUE(line->ends_with(", 0 baud, address 1")) << *line;
  ASSERT_TRUE(std::filesystem::is_symlink(link));

  {
    RawClient client(link.string());
    client.send(ReadFrame(ValueKind::Byte, 2, 3));
    EXPECT_EQ(client.readAnswer(), ExpectedStatus("0003"));
    client.send(ReadFrame(ValueKind::Byte, 2, 3));
    EXPECT_EQ(client.readAnswer(), ExpectedData("1;03;"));
  }

  child.signal(SIGTERM);
  EXPECT_EQ(child.waitForExit(10s), 0);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

TEST(SimulatorExecutable, ServesALineWhereADuplicateAddressAnswersGarbage) {
  ScratchFolder folder;
  ChildProcess child(ZORKAN_SIM_EXECUTABLE,
                     {"--dir", folder.path().string(), "--address", "1,3,3", "--baud", "0"});
  const auto line = child.readLine(10s);
  ASSERT_TRUE(line) << child.errorOutput();
  EXPECT_TRUE(line->ends_with(", 0 baud, addresses 1,3,3")) << *line;

  RawClient client((folder.path() / "COM1").string());
  client.send(ReadFrame(ValueKind::Byte, 2, 3, 1));
  EXPECT_EQ(client.readAnswer(), ExpectedData("1;03;"));
  client.send(ReadFrame(ValueKind::Byte, 2, 3, 3));
  const std::string heard = client.readFor(300ms);
  EXPECT_FALSE(heard.empty());
  EXPECT_EQ(heard.find(ExpectedData("3;03;")), std::string::npos);
  child.signal(SIGTERM);
  EXPECT_EQ(child.waitForExit(10s), 0);
}

TEST(SimulatorExecutable, BadOptionExitsWithStatus2) {
  ChildProcess child(ZORKAN_SIM_EXECUTABLE, {"--baud", "fast"});
  EXPECT_EQ(child.waitForExit(10s), 2);
  EXPECT_NE(child.errorOutput().find("bad value for --baud: fast"), std::string::npos);
}

}  // namespace
}  // namespace zorkan::sim
