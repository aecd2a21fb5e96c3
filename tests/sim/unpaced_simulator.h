#pragma once
// An unpaced simulator with a raw client on its pty, the rig of the answer and fault tests.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "sim/simulator.h"
#include "tests/sim/raw_client.h"

namespace zorkan::sim::testing {

inline constexpr SimulatorOptions kUnpaced{1, 0, 0};

class UnpacedSimulatorTest : public ::testing::Test {
 protected:
  std::string exchange(const std::string& frame) {
    client.send(frame);
    return client.readAnswer();
  }
  // A silent instrument: nothing arrives in a while that is plenty for an unpaced answer.
  bool silentTo(const std::string& frame) {
    client.send(frame);
    return client.readFor(std::chrono::milliseconds(300)).empty();
  }

  Simulator simulator{kUnpaced};
  RawClient client{simulator.devicePath()};
};

}  // namespace zorkan::sim::testing
