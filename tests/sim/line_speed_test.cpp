// The instrument understands its own line speed only, in-process as on the pty.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "frames.h"
#include "port_client.h"
#include "sim/simulator.h"

namespace zorkan::sim {
namespace {

using namespace std::chrono_literals;
using testing::ExpectedData;
using testing::PortClient;
using testing::ReadFrame;

// A tool at another speed sends the instrument garbage: no answer, no request taken, and nothing
// left over that would spoil the next request at the right speed.
TEST(SimulatorLineSpeed, RequestAtAnotherSpeedIsNotAnswered) {
  InProcessSimulator simulator({.networkAddress = 1, .baudRate = 19200, .turnaroundMs = 2});
  const std::string request = ReadFrame(ValueKind::Byte, 2, 315);
  for (const std::uint32_t baudRate : {9600u, 38400u}) {
    PortClient client(simulator.port(), simulator.clock(), baudRate);
    client.send(request);
    EXPECT_EQ(client.readFor(1s), "") << baudRate;
  }
  EXPECT_TRUE(simulator.receivedFrames().empty());

  PortClient client(simulator.port(), simulator.clock(), 19200);
  client.send(request);
  EXPECT_EQ(client.readAnswer(), ExpectedData("1;09;"));
}

}  // namespace
}  // namespace zorkan::sim
