#pragma once
// Which instrument sits at a network address: its serial number, device type and firmware version,
// read with a few ordinary transactions. What tells instruments on one line apart.

#include <cstdint>

#include "link/device_link.h"

namespace zorkan {

struct InstrumentIdentity {
  std::int32_t serialNumber = 0;     // 0..65535
  std::int32_t deviceType = 0;       // a DeviceType code
  std::int32_t firmwareVersion = 0;  // as the instrument holds it; FirmwareVersionText shows it
  bool operator==(const InstrumentIdentity&) const = default;
};

// Reads the identity of the instrument at `address` with the link's attempts and reply time-out.
// `identity` changes only when every part of it was read. The link parameters are as they were
// afterwards, whatever address they named.
LinkError ReadInstrumentIdentity(DeviceLink& link, std::uint32_t address,
                                 InstrumentIdentity& identity);

}  // namespace zorkan
