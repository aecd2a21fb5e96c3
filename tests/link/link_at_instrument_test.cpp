// The link moved to another instrument and given back on every way out of the scope, over a
// scripted port that can refuse a baud rate.
#include "link/link_at_instrument.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "sim/virtual_clock.h"
#include "tests/support/scripted_port.h"

namespace zorkan {
namespace {

using testing::ScheduledAnswer;

struct GuardRig {
  GuardRig() {
    link.openPortAt("/dev/ttyUSB0", 9600);
    LinkParameters parameters;
    parameters.networkAddress = 1;
    parameters.attemptCount = 3;
    link.setParameters(parameters);
  }
  // At its own instrument: address 1 with its own attempts, its own rate, open.
  void expectAtItsOwn() const {
    EXPECT_EQ(link.parameters().networkAddress, 1u);
    EXPECT_EQ(link.parameters().attemptCount, 3);
    EXPECT_EQ(link.baudRate(), 9600u);
    EXPECT_EQ(port.openedBaudRate, 9600u);
    EXPECT_TRUE(link.isOpen());
  }

  sim::VirtualClock clock;
  testing::ScriptedPort port{clock,
                             [](const std::string&) { return std::vector<ScheduledAnswer>{}; }};
  DeviceLink link{port, clock, "."};
};

TEST(LinkAtInstrument, EarlyReturnAndThrowBothGiveTheAddressAndTheRateBack) {
  GuardRig rig;
  const auto visit = [&rig](bool fail) {
    LinkAtInstrument at(rig.link);
    ASSERT_TRUE(at.moveTo(7, 19200));
    EXPECT_EQ(rig.link.parameters().networkAddress, 7u);
    EXPECT_EQ(rig.link.parameters().attemptCount, 3);
    EXPECT_EQ(rig.port.openedBaudRate, 19200u);
    if (fail) throw std::runtime_error("the operation failed half-way");
  };
  visit(false);
  rig.expectAtItsOwn();
  EXPECT_THROW(visit(true), std::runtime_error);
  rig.expectAtItsOwn();

  // A move of the address alone never opens the port, even a closed one.
  rig.link.ClosePort();
  const int opens = rig.port.openCount;
  {
    LinkAtInstrument at(rig.link);
    at.moveToAddress(7);
  }
  EXPECT_EQ(rig.port.openCount, opens);
  EXPECT_EQ(rig.link.parameters().networkAddress, 1u);
}

TEST(LinkAtInstrument, PortLeftClosedByARefusedRateIsOpenedOnceMoreAtItsOwn) {
  GuardRig rig;
  {
    LinkAtInstrument at(rig.link);
    rig.port.openSucceeds = false;
    EXPECT_FALSE(at.moveToRate(19200));
    EXPECT_FALSE(rig.link.isOpen());
    rig.port.openSucceeds = true;
  }
  rig.expectAtItsOwn();

  LinkAtInstrument at(rig.link);
  rig.port.openSucceeds = false;
  EXPECT_FALSE(at.moveToRate(19200));
  const int opens = rig.port.openCount;
  EXPECT_FALSE(at.giveBack());  // its own rate refused too: for the caller to tell the operator
  EXPECT_TRUE(at.giveBack());   // and not tried again
  EXPECT_EQ(rig.port.openCount, opens + 1);
}

}  // namespace
}  // namespace zorkan
