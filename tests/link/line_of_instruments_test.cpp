// Several simulated instruments on one line, as the link meets them on virtual time: told apart by
// address, and two at one address heard as the garbage real transceivers make of their answers.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "link/device_link.h"
#include "link/frame.h"
#include "sim/fault_text.h"
#include "sim/parameter_table.h"
#include "sim/simulator.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using namespace std::chrono_literals;
using testing::ScratchFolder;

// A checksummed answer frame anywhere in `heard`: "!" or "$", the covered text up to its last
// ";", the checksum of that text in decimal and a CR.
bool HoldsValidAnswer(const std::string& heard) {
  for (std::size_t start = heard.find_first_of("!$"); start != std::string::npos;
       start = heard.find_first_of("!$", start + 1)) {
    const std::size_t end = heard.find('\r', start);
    if (end == std::string::npos) return false;
    const std::string frame = heard.substr(start + 1, end - start - 1);
    const std::size_t semicolon = frame.rfind(';');
    if (semicolon == std::string::npos) continue;
    const std::string digits = frame.substr(semicolon + 1);
    if (digits.empty() || digits.size() > 5 ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
      continue;
    }
    if (std::stoul(digits) == frameChecksum(frame.substr(0, semicolon + 1))) return true;
  }
  return false;
}

struct Line {
  explicit Line(sim::SimulatorOptions options) : simulator(options) {
    link.openPortAt("COM1", 9600);
  }

  void talkTo(std::uint32_t networkAddress) {
    LinkParameters parameters;
    parameters.networkAddress = networkAddress;
    link.setParameters(parameters);
  }
  std::optional<std::int32_t> byteAt(std::uint32_t networkAddress, int space, unsigned number) {
    talkTo(networkAddress);
    std::int32_t value = 0;
    if (link.ReadByteParam(space, number, value) != kOk) return std::nullopt;
    return value;
  }
  std::optional<std::int32_t> serialNumberAt(std::uint32_t networkAddress) {
    const auto low = byteAt(networkAddress, 2, 11);
    const auto high = byteAt(networkAddress, 2, 12);
    if (!low || !high) return std::nullopt;
    return *high << 8 | *low;
  }
  std::optional<float> temperatureAt(std::uint32_t networkAddress) {
    talkTo(networkAddress);
    DataBlock block{};
    if (link.ReadDataBlock(2, block) != kOk) return std::nullopt;
    return FloatFromWire(std::span(block).subspan<4, 4>());
  }
  // Every byte that comes back for the request, past its first CR too.
  std::string heardFor(const std::string& requestText) {
    simulator.port().write(CompleteFrame(requestText), 0);
    std::string heard;
    char buffer[256];
    while (const std::size_t count = simulator.port().read(buffer, sizeof buffer, 300)) {
      heard.append(buffer, count);
    }
    return heard;
  }

  sim::InProcessSimulator simulator;
  ScratchFolder folder;
  DeviceLink link{simulator.port(), simulator.clock(), folder.path()};
};

TEST(LineOfInstruments, EachAddressHasItsOwnSerialNumberMemoryAndPlant) {
  Line line({.networkAddress = 1, .moreAddresses = {2, 7}});
  // At 7 the manual output drives the relay without the heater: its object stays cold while the
  // regulators at 1 and 2 heat theirs.
  line.talkTo(7);
  ASSERT_EQ(line.link.WriteByteParam(1, 17, 2), kOk);
  ASSERT_EQ(line.link.WriteByteParam(1, 18, 100), kOk);
  line.simulator.clock().advance(60s);
  EXPECT_GT(line.temperatureAt(1), 60.0f);
  EXPECT_GT(line.temperatureAt(2), 60.0f);
  EXPECT_LT(line.temperatureAt(7), 21.0f);

  EXPECT_EQ(line.serialNumberAt(1), 12345);
  EXPECT_EQ(line.serialNumberAt(2), 12346);
  EXPECT_EQ(line.serialNumberAt(7), 12351);
  EXPECT_EQ(line.byteAt(5, 1, 6), std::nullopt) << "nobody is at address 5";

  line.talkTo(2);
  ASSERT_EQ(line.link.WriteFloatParam(2, 29, 99.5f), kOk);
  EXPECT_EQ(line.simulator.instrument(2).floatParameter(2, 29), 99.5f);
  EXPECT_EQ(line.simulator.instrument(1).floatParameter(2, 29), 150.0f);
  EXPECT_EQ(line.simulator.instrument(7).floatParameter(2, 29), 150.0f);
  line.simulator.instrument(7).setByteParameter(2, 315, 3);
  EXPECT_EQ(line.byteAt(1, 2, 315), 9);
  EXPECT_EQ(line.byteAt(7, 2, 315), 3);
  EXPECT_EQ(line.simulator.byteParameter(2, 315), 9) << "the single-instrument calls reach 1";
}

TEST(LineOfInstruments, TwoInstrumentsAtOneAddressNeverGiveAValidAnswer) {
  // Identical instruments: even their identical answers must come out garbled.
  Line line({.networkAddress = 1, .moreAddresses = {3, 3}});
  for (const sim::ParameterRow& row : sim::Parameters::kAll) {
    for (int channel = 0; channel < (row.channelStep == 0 ? 1 : 2); ++channel) {
      const ParamAddress address = MakeParamAddress(row.kind, row.space, row.numberOf(channel));
      const float factory = static_cast<float>(channel == 0 ? row.channel1 : row.channel2);
      const std::string write =
          row.kind == ValueKind::Byte
              ? ByteWriteRequestText(3, address, static_cast<std::uint8_t>(factory))
              : FloatWriteRequestText(3, address, factory);
      for (const std::string& request : {ReadRequestText(3, address), write}) {
        const std::string heard = line.heardFor(request);
        EXPECT_FALSE(heard.empty()) << request << ": both instruments answer";
        EXPECT_FALSE(HoldsValidAnswer(heard)) << request;
      }
      line.talkTo(3);
      std::int32_t byte = 0;
      float real = 0;
      EXPECT_NE(row.kind == ValueKind::Byte
                    ? line.link.ReadByteParam(row.space, row.numberOf(channel), byte)
                    : line.link.ReadFloatParam(row.space, row.numberOf(channel), real),
                kOk)
          << row.space << ":" << row.numberOf(channel);
    }
  }
  EXPECT_FALSE(HoldsValidAnswer(
      line.heardFor(ReadRequestText(3, MakeParamAddress(ValueKind::DataBlock, 1, 2)))));

  EXPECT_TRUE(
      HoldsValidAnswer(line.heardFor(ReadRequestText(1, MakeParamAddress(ValueKind::Byte, 1, 6)))));

  // The search's probe of the firmware version finds nobody at 3, and the rest of the line clean.
  const ProbeAnswer duplicate = line.link.probeByteParam(3, 1, 6);
  EXPECT_NE(duplicate.result, kOk);
  EXPECT_TRUE(duplicate.heardAnything);
  const ProbeAnswer single = line.link.probeByteParam(1, 1, 6);
  ASSERT_EQ(single.result, kOk);
  EXPECT_EQ(single.value, 0x52);
}

TEST(LineOfInstruments, FaultLimitedToOneAddressLeavesTheOthersClean) {
  Line line({.networkAddress = 1, .moreAddresses = {2, 7}});
  line.simulator.addFault(*sim::ParseFault("2/silence"));
  line.simulator.addFault(*sim::ParseFault("7/status@1:6=0003"));
  EXPECT_EQ(line.byteAt(1, 1, 6), 0x52);
  EXPECT_EQ(line.byteAt(2, 1, 6), std::nullopt);
  EXPECT_EQ(line.byteAt(7, 1, 6), std::nullopt);
  EXPECT_EQ(line.byteAt(7, 2, 315), 9);

  // Without an address, a fault reaches every instrument.
  line.simulator.addFault(*sim::ParseFault("silence@2:315"));
  EXPECT_EQ(line.byteAt(1, 2, 315), std::nullopt);
  EXPECT_EQ(line.byteAt(7, 2, 315), std::nullopt);
  EXPECT_EQ(line.byteAt(1, 2, 317), 1);
}

}  // namespace
}  // namespace zorkan
