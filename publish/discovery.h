#pragma once
// Home Assistant's MQTT discovery: each entity of an instrument announced by one retained
// configuration, DISCOVERY/COMPONENT/NODE/OBJECT/config, so that the instrument shows on a
// dashboard without a line of configuration written by hand. Announced once per broker
// connection and again when Home Assistant says it has started, never with every poll.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "publish/broker.h"
#include "publish/settable_settings.h"
#include "workflows/instrument_identity.h"

namespace zorkan {

// What is announced of one instrument.
struct DiscoveredInstrument {
  std::string root;  // PREFIX/SERIAL, under which its values are published
  InstrumentIdentity identity;
  std::array<std::optional<std::int32_t>, kChannelCount> sensorTypes;  // unknown: no unit
  std::vector<const SettableSetting*> settings;                        // that commands may set
};

// The program that announces it.
struct ToolName {
  std::string name;
  std::string version;
};

// "DISCOVERY/status", where Home Assistant says "online" when it has started, and wants every
// configuration again.
std::string DiscoveryStatusTopic(std::string_view discoveryPrefix);

// A sensor for each channel's value and status text, a binary sensor for each relay and setpoint
// flag, a number for each setting commands may set; each with the instrument's device and its
// online topic for availability.
std::vector<BrokerMessage> DiscoveryMessages(std::string_view discoveryPrefix,
                                             const DiscoveredInstrument& instrument,
                                             const ToolName& tool);

}  // namespace zorkan
