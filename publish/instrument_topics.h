#pragma once
// What the publisher says about one instrument, under "PREFIX/SERIAL/": retained topics that a
// dashboard subscribing late still finds, and one JSON message per answered poll for historians.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "link/clock.h"
#include "live/live_values.h"
#include "publish/broker.h"
#include "workflows/instrument_identity.h"

namespace zorkan {

// "PREFIX/SERIAL", the root of one instrument's topics.
std::string InstrumentTopic(std::string_view prefix, std::int32_t serialNumber);

// "online" or "offline", retained; the will of the instrument's connection is the offline one.
BrokerMessage OnlineMessage(const std::string& root, bool online);

// The network address, device type and firmware version, retained.
std::vector<BrokerMessage> IdentityMessages(const std::string& root, std::uint32_t address,
                                            const InstrumentIdentity& identity);

// Both channels' value, status number and text, setpoint and break flags; the relays; the time of
// the answer. Retained.
std::vector<BrokerMessage> ValueMessages(const std::string& root, const LiveValues& values,
                                         const LocalTime& answered);

// All of the values in one message, with the instrument's identity and the count of its messages
// that were dropped so far. Not retained: each one is a point of a series.
BrokerMessage JsonMessage(const std::string& root, std::uint32_t address,
                          const InstrumentIdentity& identity, const LiveValues& values,
                          const LocalTime& answered, std::uint64_t dropped);

}  // namespace zorkan
