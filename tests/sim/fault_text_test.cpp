#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "sim/command_line.h"
#include "sim/fault_text.h"

namespace zorkan::sim {
namespace {

void ExpectFault(std::string_view text, FaultKind kind, int space, unsigned number, int amount,
                 int times) {
  const auto fault = ParseFault(text);
  ASSERT_TRUE(fault) << text;
  EXPECT_EQ(fault->kind, kind) << text;
  EXPECT_EQ(fault->space, space) << text;
  EXPECT_EQ(fault->number, number) << text;
  EXPECT_EQ(fault->amount, amount) << text;
  EXPECT_EQ(fault->times, times) << text;
}

TEST(FaultText, EveryKindInItsShortForm) {
  ExpectFault("silence@2:315", FaultKind::Silence, 2, 315, 0, -1);
  ExpectFault("late@2:15=1500x1", FaultKind::Late, 2, 15, 1500, 1);
  ExpectFault("status@2:3=0003", FaultKind::Status, 2, 3, 3, -1);
  ExpectFault("status@1:2=000Dx4", FaultKind::Status, 1, 2, 0x0D, 4);
  ExpectFault("noise-before=70", FaultKind::NoiseBefore, 0, 0, 70, -1);
  ExpectFault("noise-after@1:6=5x2", FaultKind::NoiseAfter, 1, 6, 5, 2);
  ExpectFault("altered@2:29", FaultKind::AlteredReadBack, 2, 29, 0, -1);
}

TEST(FaultText, MalformedFormsAreRejected) {
  for (std::string_view text :
       {"", "silent", "late", "late@2:15", "silence=5", "altered=1", "silence@3:1", "silence@2",
        "silence@2:8192", "silence@2:x", "late=-5", "late=5x0", "late=5x", "status=00G3",
        "noise-before=70x1x2"}) {
    EXPECT_FALSE(ParseFault(text)) << text;
  }
}

std::variant<CommandLine, std::string> Parse(std::vector<std::string_view> args) {
  return ParseCommandLine(args);
}

TEST(SimulatorCommandLine, DefaultsAndEveryOption) {
  const auto defaults = std::get<CommandLine>(Parse({}));
  EXPECT_EQ(defaults.dir, ".");
  EXPECT_EQ(defaults.name, "COM1");
  EXPECT_EQ(defaults.options.baudRate, 9600u);
  EXPECT_EQ(defaults.options.turnaroundMs, 2);
  EXPECT_EQ(defaults.options.networkAddress, 1u);

  const auto line = std::get<CommandLine>(
      Parse({"--dir", "/tmp/x", "--name", "COM3", "--baud", "0", "--turnaround-ms", "15",
             "--address", "7", "--fault", "silence@2:315", "--fault", "noise-after=3"}));
  EXPECT_EQ(line.dir, "/tmp/x");
  EXPECT_EQ(line.name, "COM3");
  EXPECT_EQ(line.options.baudRate, 0u);
  EXPECT_EQ(line.options.turnaroundMs, 15);
  EXPECT_EQ(line.options.networkAddress, 7u);
  ASSERT_EQ(line.faults.size(), 2u);
  EXPECT_EQ(line.faults[1].kind, FaultKind::NoiseAfter);
  EXPECT_TRUE(std::get<CommandLine>(Parse({"--help"})).help);
}

TEST(SimulatorCommandLine, BadOptionsAreExplained) {
  EXPECT_EQ(std::get<std::string>(Parse({"--speed", "9600"})), "unknown option --speed");
  EXPECT_EQ(std::get<std::string>(Parse({"--baud"})), "--baud needs a value");
  EXPECT_EQ(std::get<std::string>(Parse({"--bogus"})), "unknown option --bogus");
  EXPECT_EQ(std::get<std::string>(Parse({"--baud", "fast"})), "bad value for --baud: fast");
  // No tool could ever set its line to it.
  EXPECT_EQ(std::get<std::string>(Parse({"--baud", "10000"})), "bad value for --baud: 10000");
  EXPECT_EQ(std::get<std::string>(Parse({"--name", "a/b"})), "bad value for --name: a/b");
  EXPECT_EQ(std::get<std::string>(Parse({"--fault", "late"})), "bad value for --fault: late");
  EXPECT_EQ(std::get<std::string>(Parse({"--address", "-1"})), "bad value for --address: -1");
}

TEST(SimulatorCommandLine, PlantKeysSetWhatTheyNameAndLeaveTheRest) {
  const auto line =
      std::get<CommandLine>(Parse({"--plant", "gain=2.5,delay=4,noise=0.2", "--seed", "7"}));
  const PlantOptions& plant = line.options.plant;
  EXPECT_EQ(plant.gain, 2.5);
  EXPECT_EQ(plant.delayS, 4.0);
  EXPECT_EQ(plant.noise, 0.2);
  EXPECT_EQ(plant.seed, 7u);
  const PlantOptions today;
  EXPECT_EQ(plant.lagS, today.lagS);
  EXPECT_EQ(plant.secondLagS, today.secondLagS);
  EXPECT_EQ(plant.ambient, today.ambient);
  EXPECT_EQ(std::get<CommandLine>(Parse({})).options.plant.noise, std::nullopt);

  EXPECT_EQ(std::get<std::string>(Parse({"--plant", "gain=4,lag=3"})), "unknown plant key \"lag\"");
  EXPECT_EQ(std::get<std::string>(Parse({"--plant", "tau=0"})), "plant key tau needs above 0");
  EXPECT_EQ(std::get<std::string>(Parse({"--plant", "delay=1e9"})),
            "plant key delay needs 0 to 3600");
  EXPECT_EQ(std::get<std::string>(Parse({"--plant", "noise"})), "plant key noise needs 0 or more");
  EXPECT_EQ(std::get<std::string>(Parse({"--plant", "gain=1,gain=2"})),
            "plant key gain given twice");
  EXPECT_EQ(std::get<std::string>(Parse({"--seed", "-1"})), "bad value for --seed: -1");
}

TEST(FaultText, AddressPrefixLimitsTheFaultToOneAddress) {
  const auto limited = ParseFault("7/late@2:15=1500x1");
  ASSERT_TRUE(limited);
  EXPECT_EQ(limited->networkAddress, 7u);
  EXPECT_EQ(limited->kind, FaultKind::Late);
  EXPECT_EQ(limited->times, 1);
  EXPECT_EQ(ParseFault("silence")->networkAddress, std::nullopt);
  for (std::string_view text : {"/silence", "x/silence", "7/", "-1/silence", "7/silence/"}) {
    EXPECT_FALSE(ParseFault(text)) << text;
  }
}

TEST(SimulatorCommandLine, AddressListPutsEveryInstrumentOnTheLine) {
  const auto line = std::get<CommandLine>(Parse({"--address", "1,3,3"}));
  EXPECT_EQ(line.options.networkAddress, 1u);
  const AddressList& more = line.options.moreAddresses;
  EXPECT_EQ(std::vector<std::uint32_t>(more.begin(), more.end()),
            (std::vector<std::uint32_t>{3, 3}));

  std::string full = "1";
  for (int address = 2; address <= 32; ++address) full += "," + std::to_string(address);
  EXPECT_TRUE(std::holds_alternative<CommandLine>(Parse({"--address", full})));
  for (const std::string& bad : {full + ",33", std::string("1,,2"), std::string("1,2,")}) {
    EXPECT_EQ(std::get<std::string>(Parse({"--address", bad})), "bad value for --address: " + bad);
  }
}

}  // namespace
}  // namespace zorkan::sim
