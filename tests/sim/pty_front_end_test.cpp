// The simulator on its pty and the real clock: answers paced like the line, in order behind a
// late one, and the link it makes to the pty.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "frames.h"
#include "link/frame.h"
#include "raw_client.h"
#include "sim/simulator.h"
#include "tests/sim/unpaced_simulator.h"

namespace zorkan::sim {
namespace {

using namespace std::chrono_literals;
using testing::ExpectedData;
using testing::kUnpaced;
using testing::RawClient;
using testing::ReadFrame;

// Lower bounds only: a slow machine may add any delay, but the line may never be faster.
std::chrono::duration<double> TimedExchange(const SimulatorOptions& options, ValueKind kind,
                                            unsigned number, std::size_t& lineBytes) {
  Simulator simulator(options);
  RawClient client(simulator.devicePath(), options.baudRate);
  const std::string request = ReadFrame(kind, 2, number);
  const auto sent = std::chrono::steady_clock::now();
  client.send(request);
  const std::string answer = client.readAnswer(5000ms);
  const auto elapsed = std::chrono::steady_clock::now() - sent;
  EXPECT_EQ(answer.back(), '\r');
  lineBytes = request.size() + answer.size();
  return elapsed;
}

TEST(SimulatorPacing, AnswerIsNotCompleteBeforeRequestAndAnswerLineTime) {
  std::size_t bytes = 0;
  const auto elapsed = TimedExchange({1, 9600, 0}, ValueKind::Float, 15, bytes);
  EXPECT_GE(elapsed.count(), bytes * 10.0 / 9600.0);
  EXPECT_LT(elapsed, 3s);
}

TEST(SimulatorPacing, SlowLineAndTurnaroundAddUp) {
  std::size_t bytes = 0;
  const auto elapsed = TimedExchange({1, 2400, 100}, ValueKind::Byte, 3, bytes);
  EXPECT_GE(elapsed.count(), bytes * 10.0 / 2400.0 + 0.100);
  EXPECT_LT(elapsed, 3s);
}

TEST(SimulatorPacing, DestructorCutsALongAnswerShort) {
  const auto start = std::chrono::steady_clock::now();
  {
    Simulator simulator({1, 300, 0});  // about 1.3 s for the request and its answer
    simulator.addFault({FaultKind::NoiseBefore, 0, 0, 1000});
    RawClient client(simulator.devicePath(), 300);
    client.send(ReadFrame(ValueKind::Byte, 2, 3));
    ASSERT_TRUE(simulator.waitForReceivedFrames(1, 3000ms));
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, 20s);
}

// The pty server queues what comes in while it holds an answer back.
TEST(SimulatorPacing, LateAnswerIsFollowedByTheQueuedRequestInOrder) {
  Simulator simulator(kUnpaced);
  RawClient client(simulator.devicePath());
  simulator.addFault({FaultKind::Late, 2, 315, 400, 1});
  const auto sent = std::chrono::steady_clock::now();
  client.send(ReadFrame(ValueKind::Byte, 2, 315) + ReadFrame(ValueKind::Byte, 2, 3));
  EXPECT_EQ(client.readAnswer(), ExpectedData("1;09;"));
  EXPECT_GE(std::chrono::steady_clock::now() - sent, 400ms);
  EXPECT_EQ(client.readAnswer(), ExpectedData("1;03;"));
  client.send(ReadFrame(ValueKind::Byte, 2, 315));
  EXPECT_EQ(client.readAnswer(), ExpectedData("1;09;"));
}

TEST(SimulatorLink, LinkIsReplacedAndRemovedWithTheSimulator) {
  const auto link =
      std::filesystem::temp_directory_path() / ("zorkan-sim-link-" + std::to_string(getpid()));
  std::filesystem::remove(link);
  std::filesystem::create_symlink("/nonexistent", link);
  {
    Simulator simulator(kUnpaced);
    simulator.linkAt(link);
    EXPECT_EQ(std::filesystem::read_symlink(link), simulator.devicePath());
    RawClient client(link.string());
    client.send(ReadFrame(ValueKind::Byte, 2, 3));
    EXPECT_EQ(client.readAnswer(), ExpectedData("1;03;"));
  }
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));

  std::ofstream(link) << "someone's file";
  {
    Simulator simulator(kUnpaced);
    EXPECT_THROW(simulator.linkAt(link), std::filesystem::filesystem_error);
  }
  EXPECT_TRUE(std::filesystem::is_regular_file(link));
  std::filesystem::remove(link);
}

}  // namespace
}  // namespace zorkan::sim
