#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "link/frame.h"
#include "raw_client.h"
#include "sim/simulator.h"

namespace zorkan::sim {
namespace {

using namespace std::chrono_literals;
using testing::RawClient;
using testing::ReadFrame;

// Lower bounds only: a slow machine may add any delay, but the line may never be faster.
std::chrono::duration<double> TimedExchange(const SimulatorOptions& options, ValueKind kind,
                                            unsigned number, std::size_t& lineBytes) {
  Simulator simulator(options);
  RawClient client(simulator.devicePath());
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
    RawClient client(simulator.devicePath());
    client.send(ReadFrame(ValueKind::Byte, 2, 3));
    ASSERT_TRUE(simulator.waitForReceivedFrames(1, 3000ms));
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, 20s);
}

}  // namespace
}  // namespace zorkan::sim
