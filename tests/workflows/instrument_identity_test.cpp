#include "workflows/instrument_identity.h"

#include <gtest/gtest.h>

#include "tests/support/settings_rig.h"

namespace zorkan {
namespace {

// The instrument at another address than the link's: the identity is read there, and the link
// still talks to its own address afterwards.
TEST(InstrumentIdentity, SerialNumberJoinsItsTwoBytesAndAFailedReadChangesNothing) {
  testing::SettingsRig rig({.networkAddress = 7, .baudRate = 9600, .turnaroundMs = 2});
  rig.simulator.setByteParameter(2, 11, 0x01);
  rig.simulator.setByteParameter(2, 12, 0xFF);
  InstrumentIdentity identity;
  ASSERT_EQ(ReadInstrumentIdentity(rig.link, 7, identity), kOk);
  EXPECT_EQ(identity, (InstrumentIdentity{0xFF01, 3, 0x52}));
  EXPECT_EQ(rig.link.parameters().networkAddress, 1u);

  rig.simulator.addFault({.kind = sim::FaultKind::Silence, .space = 1, .number = 6});
  rig.simulator.setByteParameter(2, 12, 0x02);
  EXPECT_EQ(ReadInstrumentIdentity(rig.link, 7, identity), kNoAnswer);
  EXPECT_EQ(identity.serialNumber, 0xFF01);
  EXPECT_EQ(rig.link.parameters().networkAddress, 1u);
}

}  // namespace
}  // namespace zorkan
