#pragma once
// An unpaced simulator in-process on virtual time with a client at the tool's end, the rig of the
// answer and fault tests: what the instrument answers does not depend on the line, and a silence
// is proven without waiting for it.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "sim/simulator.h"
#include "tests/sim/port_client.h"

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

  InProcessSimulator simulator{kUnpaced};
  PortClient client{simulator.port(), simulator.clock()};
};

}  // namespace zorkan::sim::testing
