// The search for the instrument against the simulated one, which answers at one address and one
// baud rate only: what it finds, what a silent or a slow line costs, and the link it leaves.
#include <gtest/gtest.h>

#include <chrono>

#include "settings/enumerations.h"
#include "sim/virtual_clock.h"
#include "tests/support/answers.h"
#include "tests/support/scripted_port.h"
#include "tests/workflows/exchange_rig.h"
#include "workflows/instrument_search.h"

namespace zorkan {
namespace {

using namespace std::chrono_literals;
using Calls = std::vector<std::string>;
using Found = std::vector<FoundInstrument>;
using testing::ExchangeRig;

// The simulated instruments' serial numbers follow their addresses.
constexpr InstrumentIdentity kIdentityAt7{12351, kDevicePidRegulator, 0x52};

// dev.dat names address 1 at 9600 baud; the instrument is at address 7 and 19200 baud.
struct MisconfiguredRig : ExchangeRig {
  explicit MisconfiguredRig(sim::SimulatorOptions options = kInstrument) : ExchangeRig(options) {
    link.openPortAt("COM1", 9600);
  }
  static constexpr sim::SimulatorOptions kInstrument{
      .networkAddress = 7, .baudRate = 19200, .turnaroundMs = 2};
};

TEST(FindInstruments, FindsTheInstrumentAtItsOwnAddressAndRateOnlyAndGivesTheLinkBack) {
  MisconfiguredRig rig;
  const LinkParameters parameters = rig.link.parameters();

  const InstrumentSearchResult search = FindInstruments(rig.exchange, {});
  EXPECT_EQ(search.result, kOk);
  EXPECT_EQ(search.found, (Found{{{7, 19200}, kIdentityAt7}}));
  // Every address at every rate, and once more wherever nothing was heard: all but one.
  EXPECT_EQ(rig.panel.steps.size(), 2u * 5 * 32 - 1);
  EXPECT_FALSE(rig.panel.visible);
  EXPECT_EQ(rig.view.calls, (Calls{"lock", "unlock"}));

  // As before the search: at 9600 baud, address 1, and with the full wait of every attempt.
  EXPECT_EQ(rig.simulator.port().openedBaudRate(), 9600u);
  EXPECT_EQ(rig.link.parameters().networkAddress, parameters.networkAddress);
  const auto start = rig.simulator.clock().elapsed();
  std::int32_t value = 0;
  EXPECT_EQ(rig.link.ReadByteParam(2, 315, value), kNoAnswer);
  EXPECT_GE(rig.simulator.clock().elapsed() - start, parameters.attemptCount * 1000ms);
}

// A silent address costs two short probes: neither the reply time-out nor a wait for its whole
// answer before the next address. 32 addresses at 9600 baud stay under 4 s.
TEST(FindInstruments, SilentLineCostsTwoShortWaitsPerAddress) {
  ExchangeRig rig;
  rig.simulator.addFault({.kind = sim::FaultKind::Silence});
  const auto start = rig.simulator.clock().elapsed();

  const InstrumentSearchResult search = FindInstruments(rig.exchange, {.baudRates = {9600}});
  EXPECT_EQ(search.result, kNoAnswer);
  EXPECT_TRUE(search.found.empty());
  EXPECT_EQ(rig.simulator.receivedFrames().size(), 64u);
  EXPECT_LT(rig.simulator.clock().elapsed() - start, 32 * 125ms);
}

// What ordinary transactions take in their stride must not hide an instrument from the search:
// noise before its answer, or an answer slower than a probe's wait, which then arrives during the
// probe of the next address. It is found at its own address, and the next one is not reported.
TEST(FindInstruments, NoisyOrSlowInstrumentIsFoundAtItsOwnAddressOnly) {
  for (const sim::Fault& fault : {sim::Fault{.kind = sim::FaultKind::NoiseBefore, .amount = 63},
                                  sim::Fault{.kind = sim::FaultKind::Late, .amount = 90},
                                  sim::Fault{.kind = sim::FaultKind::Late, .amount = 120}}) {
    ExchangeRig rig({.networkAddress = 7});
    rig.simulator.addFault(fault);
    const InstrumentSearchResult search =
        FindInstruments(rig.exchange, {.firstAddress = 6, .lastAddress = 9, .baudRates = {9600}});
    EXPECT_EQ(search.result, kOk) << fault.amount;
    EXPECT_EQ(search.found, (Found{{{7, 9600}, kIdentityAt7}})) << fault.amount;
    EXPECT_TRUE(search.probableDuplicates.empty()) << fault.amount;
  }
}

// The first or the second probe's answer is lost on the line: the first gave no sign at all that
// an instrument is there, so the address is asked again; after the second, one more probe tells.
TEST(FindInstruments, OneLostAnswerDoesNotHideTheInstrument) {
  for (const int lostRead : {1, 2}) {
    sim::VirtualClock clock;
    int firmwareReads = 0;
    // Every other parameter of the instrument at 7 reads 3.
    testing::ScriptedPort port(clock, [&](const std::string& request) {
      std::vector<testing::ScheduledAnswer> answers;
      if (request.find(":7;37;") == std::string::npos) return answers;
      if (request.find(";002006;") == std::string::npos) {
        answers.push_back({5, testing::DataAnswer("03", 7)});
      } else if (++firmwareReads != lostRead) {
        answers.push_back({5, testing::DataAnswer("52", 7)});
      }
      return answers;
    });
    testing::RecordingDialogs dialogs;
    DeviceLink link{port, clock, "."};
    link.openPortAt("COM1", 9600);
    CancelLatch latch;
    testing::RecordingProgressPanel panel{latch};
    Progress progress{panel, latch};
    DeviceSettings settings;
    testing::RecordingView view{settings};
    ExchangeContext exchange{link, progress, latch, dialogs, view};

    const InstrumentSearchResult search =
        FindInstruments(exchange, {.firstAddress = 6, .lastAddress = 8, .baudRates = {9600}});
    EXPECT_EQ(search.found, (Found{{{7, 9600}, {0x0303, 3, 0x52}}})) << lostRead;
    EXPECT_EQ(firmwareReads, 4) << lostRead;  // the identity's read of it the last
  }
}

TEST(FindInstruments, EscapeStopsBetweenProbesKeepsWhatWasFoundAndGivesTheLinkBack) {
  MisconfiguredRig rig;
  rig.latch.press();                    // before the start: must not stop the search
  rig.panel.escapeAtStep = 2 * 64 + 8;  // address 8 at 19200 baud, the third rate

  const InstrumentSearchResult search = FindInstruments(rig.exchange, {});
  EXPECT_EQ(search.result, kCancelledByOperator);
  EXPECT_EQ(search.found, (Found{{{7, 19200}, kIdentityAt7}}));
  // Addresses 1 to 7 at the instrument's rate, 7 once more and its identity; none after the
  // Escape.
  EXPECT_EQ(rig.simulator.receivedFrames().size(), 12u);
  EXPECT_EQ(rig.simulator.port().openedBaudRate(), 9600u);
  EXPECT_FALSE(rig.panel.visible);
}

// Finding the first instrument must not end the search, and each one found must be told apart
// from the others by what it says itself.
TEST(FindInstruments, EveryInstrumentOfALineIsFoundWithItsOwnIdentity) {
  ExchangeRig rig({.networkAddress = 1, .moreAddresses = {2, 7}});
  rig.simulator.instrument(2).setByteParameter(2, 3, kDeviceTwoChannel);
  rig.simulator.instrument(7).setByteParameter(1, 6, 0x53);

  const InstrumentSearchResult search = FindInstruments(rig.exchange, {.baudRates = {9600}});
  EXPECT_EQ(search.result, kOk);
  EXPECT_EQ(search.found, (Found{{{1, 9600}, {12345, kDevicePidRegulator, 0x52}},
                                 {{2, 9600}, {12346, kDeviceTwoChannel, 0x52}},
                                 {{7, 9600}, {12351, kDevicePidRegulator, 0x53}}}));
  EXPECT_TRUE(search.probableDuplicates.empty());
}

// Two instruments left at one address answer together, and what arrives is garbage at every
// try: the address is named, never offered, and the instruments around it are found as usual.
TEST(FindInstruments, TwoInstrumentsAtOneAddressAreReportedAndNeverOffered) {
  ExchangeRig rig({.networkAddress = 1, .moreAddresses = {3, 3, 4}});
  const InstrumentSearchResult search =
      FindInstruments(rig.exchange, {.firstAddress = 1, .lastAddress = 6, .baudRates = {9600}});
  EXPECT_EQ(search.result, kOk);
  ASSERT_EQ(search.found.size(), 2u);
  EXPECT_EQ(search.found[0].place, (LinePlace{1, 9600}));
  EXPECT_EQ(search.found[1].place, (LinePlace{4, 9600}));
  EXPECT_EQ(search.probableDuplicates, (std::vector<LinePlace>{{3, 9600}}));
  EXPECT_EQ(ProbableDuplicateText(search.probableDuplicates[0]),
            "Возможно, несколько приборов на адресе 3");
}

}  // namespace
}  // namespace zorkan
