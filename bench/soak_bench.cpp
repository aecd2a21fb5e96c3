// Thousands of whole-device reads from the in-process simulator on virtual time, each with a
// random mix of late answers, noise bursts and lost requests: every field a read changed must
// hold that parameter's own value. Prints the count of values that landed on another parameter,
// which must be 0.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

#include "bench/bench_rig.h"
#include "link/device_link.h"
#include "settings/settings_transfer.h"
#include "sim/request_parser.h"
#include "sim/simulator.h"

namespace {

using namespace zorkan;

constexpr int kDefaultMixes = 3000;
constexpr std::int32_t kUnreadByte = 777;
constexpr float kUnreadFloat = -7777.0f;

// Every field a whole read fills, with a getter on a model; the serial number as its two bytes,
// which are read one after the other.
std::vector<std::function<double(const DeviceSettings&)>> ReadFields() {
  std::vector<std::function<double(const DeviceSettings&)>> fields;
  for (std::size_t c = 0; c < 2; ++c) {
    const auto channel = [c](auto member) {
      return [c, member](const DeviceSettings& s) -> double { return s.channels[c].*member; };
    };
    for (auto member :
         {&ChannelSettings::rangeMax, &ChannelSettings::rangeMin, &ChannelSettings::rangeAdjust,
          &ChannelSettings::offset, &ChannelSettings::setpoint1, &ChannelSettings::hysteresis1,
          &ChannelSettings::setpoint2, &ChannelSettings::hysteresis2,
          &ChannelSettings::setpointStep, &ChannelSettings::hysteresisStep}) {
      fields.push_back(channel(member));
    }
    for (auto member : {&ChannelSettings::sensorType, &ChannelSettings::rootExtraction,
                        &ChannelSettings::setpointType1, &ChannelSettings::setpointType2,
                        &ChannelSettings::averaging, &ChannelSettings::observations,
                        &ChannelSettings::channelEnable, &ChannelSettings::decimals,
                        &ChannelSettings::relayProcessing, &ChannelSettings::regulationInterval,
                        &ChannelSettings::pulseInterval}) {
      fields.push_back(channel(member));
    }
    for (std::size_t k = 0; k < 4; ++k) {
      fields.push_back([c, k](const DeviceSettings& s) { return s.channels[c].polynomial[k]; });
    }
    for (std::size_t relay = 0; relay < 2; ++relay) {
      fields.push_back(
          [c, relay](const DeviceSettings& s) { return s.relays.relayMask[relay][c]; });
    }
  }
  for (auto member : {&GeneralSettings::qcCode, &GeneralSettings::manufactureDay,
                      &GeneralSettings::manufactureMonth, &GeneralSettings::manufactureYear,
                      &GeneralSettings::firmwareVersion, &GeneralSettings::deviceType,
                      &GeneralSettings::errorDisplay}) {
    fields.push_back([member](const DeviceSettings& s) { return s.general.*member; });
  }
  fields.push_back([](const DeviceSettings& s) { return s.general.serialNumber & 0xFF; });
  fields.push_back([](const DeviceSettings& s) { return s.general.serialNumber >> 8; });
  return fields;
}

DeviceSettings Unread() {
  DeviceSettings settings;
  for (ChannelSettings& channel : settings.channels) {
    for (float* value :
         {&channel.rangeMax, &channel.rangeMin, &channel.rangeAdjust, &channel.offset,
          &channel.setpoint1, &channel.hysteresis1, &channel.setpoint2, &channel.hysteresis2,
          &channel.setpointStep, &channel.hysteresisStep}) {
      *value = kUnreadFloat;
    }
    for (float& coefficient : channel.polynomial) coefficient = kUnreadFloat;
    for (std::int32_t* value :
         {&channel.sensorType, &channel.rootExtraction, &channel.setpointType1,
          &channel.setpointType2, &channel.averaging, &channel.observations, &channel.channelEnable,
          &channel.decimals, &channel.relayProcessing, &channel.regulationInterval,
          &channel.pulseInterval}) {
      *value = kUnreadByte;
    }
  }
  for (auto& relay : settings.relays.relayMask) relay = {kUnreadByte, kUnreadByte};
  GeneralSettings& general = settings.general;
  for (std::int32_t* value : {&general.qcCode, &general.manufactureDay, &general.manufactureMonth,
                              &general.manufactureYear, &general.firmwareVersion,
                              &general.deviceType, &general.errorDisplay}) {
    *value = kUnreadByte;
  }
  general.serialNumber = (kUnreadByte & 0xFF) * 0x101;
  return settings;
}

struct Outcome {
  LinkError result = kOk;
  DeviceSettings settings;
  std::vector<std::string> frames;
};

Outcome Read(const std::vector<sim::Fault>& faults) {
  sim::InProcessSimulator simulator;
  for (const sim::Fault& fault : faults) simulator.addFault(fault);
  DeviceLink link(simulator.port(), simulator.clock(), ".");
  link.openPortAt("COM1", 9600);
  link.setParameters(LinkParameters{});
  bench::QuietPanel panel;
  CancelLatch latch;
  Progress progress(panel, latch);
  Outcome outcome;
  outcome.settings = Unread();
  SettingsTransfer transfer{link, progress, outcome.settings};
  outcome.result = readAllSettings(transfer);
  outcome.frames = simulator.receivedFrames();
  return outcome;
}

}  // namespace

// An argument sets the number of mixes.
int main(int argc, char** argv) {
  const int mixes = argc > 1 ? std::atoi(argv[1]) : kDefaultMixes;
  const Outcome clean = Read({});
  if (clean.result != kOk) return EXIT_FAILURE;
  std::vector<sim::RequestTarget> targets;
  for (const std::string& frame : clean.frames) {
    const std::size_t start = frame.rfind(':') + 1;
    const sim::Request request =
        sim::ParseRequest(frame.substr(start, frame.size() - start - 1)).request;
    targets.push_back({request.space, request.number});
  }
  const auto fields = ReadFields();
  const DeviceSettings unread = Unread();

  std::mt19937 random(20261208);
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  int succeeded = 0;
  int failed = 0;
  int misassigned = 0;
  for (int mix = 0; mix < mixes; ++mix) {
    std::vector<sim::Fault> faults;
    for (int count = pick(1, 3); count > 0; --count) {
      const sim::RequestTarget& target =
          targets[static_cast<std::size_t>(pick(0, static_cast<int>(targets.size()) - 1))];
      sim::Fault fault{.kind = sim::FaultKind::Late,
                       .space = target.space,
                       .number = target.number,
                       .times = pick(1, 2)};
      switch (pick(0, 3)) {
        case 0:
          fault.amount = pick(100, 2000);
          break;
        case 1:
          fault.kind = sim::FaultKind::NoiseAfter;
          fault.amount = pick(1, 400);
          break;
        case 2:
          fault.kind = sim::FaultKind::NoiseBefore;
          fault.amount = pick(1, 100);
          break;
        default:
          fault.kind = sim::FaultKind::Silence;
          fault.times = 1;
      }
      faults.push_back(fault);
    }
    const Outcome outcome = Read(faults);
    (outcome.result == kOk ? succeeded : failed) += 1;
    for (const auto& field : fields) {
      const double value = field(outcome.settings);
      if (value != field(unread) && value != field(clean.settings)) ++misassigned;
    }
  }
  std::printf("%d fault mixes of late answers (0.1..2 s), noise bursts and lost requests\n", mixes);
  std::printf("reads complete %d, failed with a code %d, values on the wrong parameter %d\n",
              succeeded, failed, misassigned);
  return misassigned == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
