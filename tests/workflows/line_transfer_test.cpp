// Writing a line of instruments in one pass against the simulated line: each instrument written
// through the button's workflow, the checks' questions asked once, failures and stops per
// instrument, and the link given back as it was.
#include "workflows/line_transfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "journal/journal.h"
#include "settings/enumerations.h"
#include "sim/fault_text.h"
#include "tests/support/scratch_folder.h"
#include "tests/workflows/exchange_rig.h"

namespace zorkan {
namespace {

using Calls = std::vector<std::string>;
using Results = std::vector<std::optional<LinkError>>;
using testing::ExchangeRig;

constexpr LinePlace kLine[] = {{1, 9600}, {2, 9600}, {7, 9600}};

struct LineRig : ExchangeRig {
  LineRig() : ExchangeRig({.networkAddress = 1, .moreAddresses = {2, 7}}) {
    link.openPortAt("COM1", 9600);
    // A setpoint the checks clamp after a question, and a relay assignment that one asks about
    // at every write: the pages take the setpoint back unclamped before each instrument.
    settings.channels[0].setpoint1 = 12000.0f;
    settings.general.deviceType = kDeviceSingleChannel;
    settings.relays.relayMask = {{{0x00, 0x01}, {0x00, 0x00}}};
  }

  LineTransfer write() { return WriteLineOfInstruments(exchange, kLine, settings, view); }
  Results results(const LineTransfer& line) const {
    Results results;
    for (const InstrumentTransfer& instrument : line.instruments) {
      results.push_back(instrument.result);
    }
    return results;
  }
  std::optional<float> setpointAt(std::uint32_t address) {
    return simulator.instrument(address).floatParameter(2, 29);
  }
  bool anyWriteSent() const {
    const auto frames = simulator.receivedFrames();
    return std::any_of(frames.begin(), frames.end(),
                       [](const std::string& frame) { return frame.find(";38;") != frame.npos; });
  }
};

TEST(WriteLineOfInstruments, QuestionsAreAskedOnceAndASilentInstrumentStopsNoOther) {
  LineRig rig;
  rig.simulator.addFault(*sim::ParseFault("2/silence"));
  rig.dialogs.answers = {DialogAnswer::Yes, DialogAnswer::Yes};
  const LinkParameters own = rig.link.parameters();

  const LineTransfer line = rig.write();
  EXPECT_EQ(line.result, kNoAnswer);
  EXPECT_EQ(rig.results(line), (Results{kOk, kNoAnswer, kOk}));
  EXPECT_EQ(line.instruments[0].serialNumber, 12345);
  EXPECT_EQ(line.instruments[1].serialNumber, std::nullopt);
  EXPECT_EQ(line.instruments[2].serialNumber, 12351);
  EXPECT_EQ(rig.setpointAt(1), 9999.0f);
  EXPECT_EQ(rig.setpointAt(2), 150.0f);
  EXPECT_EQ(rig.setpointAt(7), 9999.0f);
  EXPECT_EQ(rig.simulator.instrument(7).byteParameter(2, 0), 47) << "written to its end";

  // The clamp and the relay question, each once; no result box.
  ASSERT_EQ(rig.dialogs.shown.size(), 2u);
  EXPECT_EQ(rig.dialogs.shown[0].buttons, DialogButtons::YesNo);
  EXPECT_EQ(rig.dialogs.shown[1].buttons, DialogButtons::YesNo);
  // Locked once for the whole line; each instrument's pages taken back.
  EXPECT_EQ(rig.view.calls, (Calls{"lock", "groups", "collect", "groups", "collect", "unlock"}));
  EXPECT_NE(std::find(rig.panel.steps.begin(), rig.panel.steps.end(),
                      "Адрес 7, № 12351: Записываем тип прибора"),
            rig.panel.steps.end());
  EXPECT_FALSE(rig.panel.visible);

  // The window's own instrument again, with the full wait of every attempt.
  EXPECT_EQ(rig.link.parameters().networkAddress, own.networkAddress);
  std::int32_t value = 0;
  rig.simulator.instrument(1).setByteParameter(2, 315, 7);
  EXPECT_EQ(rig.link.ReadByteParam(2, 315, value), kOk);
  EXPECT_EQ(value, 7);
}

// Each instrument written leaves its own journal entry, under its own serial number: the one on
// the pages belongs to another instrument.
TEST(WriteLineOfInstruments, EachInstrumentIsJournalledUnderItsOwnSerialNumber) {
  LineRig rig;
  testing::ScratchFolder folder;
  Journal journal(JournalFolder(folder.path()), rig.simulator.clock());
  rig.exchange.journal = &journal;
  rig.dialogs.answers = {DialogAnswer::Yes, DialogAnswer::Yes};
  rig.settings.general.serialNumber = 999;
  ASSERT_EQ(rig.write().result, kOk);

  std::vector<std::pair<std::uint32_t, EntrySerial>> written;
  for (const JournalEntry& entry : journal.entries()) {
    ASSERT_EQ(entry.action, JournalAction::Write);
    written.emplace_back(entry.link.networkAddress, *entry.serial);
  }
  constexpr auto kRead = SerialSource::Instrument;
  EXPECT_EQ(written, (std::vector<std::pair<std::uint32_t, EntrySerial>>{
                         {7, {12351, kRead}}, {2, {12346, kRead}}, {1, {12345, kRead}}}));
}

TEST(WriteLineOfInstruments, RefusedCheckOrEscapeBetweenInstrumentsStopsTheLine) {
  {
    LineRig rig;
    rig.dialogs.answers = {DialogAnswer::No};
    const LineTransfer line = rig.write();
    EXPECT_EQ(line.result, kStoppedToCorrect);
    EXPECT_EQ(rig.results(line), (Results{kStoppedToCorrect, std::nullopt, std::nullopt}));
    EXPECT_FALSE(rig.anyWriteSent());
    EXPECT_EQ(rig.dialogs.shown.size(), 1u);
  }
  // Escape during the first instrument's last steps, which run to their end: the line stops
  // before the next instrument.
  std::size_t lastStepOfFirst = 0;
  {
    LineRig rig;
    rig.dialogs.unscriptedAnswer = DialogAnswer::Yes;
    rig.write();
    const auto next = std::find(rig.panel.steps.begin(), rig.panel.steps.end(), "Адрес 2");
    ASSERT_NE(next, rig.panel.steps.end());
    lastStepOfFirst = static_cast<std::size_t>(next - rig.panel.steps.begin());
  }
  LineRig rig;
  rig.dialogs.unscriptedAnswer = DialogAnswer::Yes;
  rig.panel.escapeAtStep = static_cast<int>(lastStepOfFirst);
  const LineTransfer line = rig.write();
  EXPECT_EQ(line.result, kCancelledByOperator);
  EXPECT_EQ(rig.results(line), (Results{kOk, std::nullopt, std::nullopt}));
  EXPECT_EQ(rig.setpointAt(1), 9999.0f);
  EXPECT_EQ(rig.setpointAt(2), 150.0f);
  EXPECT_EQ(WriteOutcomeText(line.instruments[0]), "Записан");
  EXPECT_EQ(WriteOutcomeText(line.instruments[1]), "Не записан");
}

// Pages that fail as the write takes them, as a page gone wrong in the middle of a line would.
class PagesThatThrow final : public SettingsView {
 public:
  explicit PagesThatThrow(SettingsView& pages) : pages_(pages) {}
  void CollectSettings() override { throw std::runtime_error("the pages cannot be taken"); }
  void ShowSettings() override { pages_.ShowSettings(); }
  FieldTexts shownFieldTexts() const override { return pages_.shownFieldTexts(); }
  std::vector<ListField> listsWithoutSelection() const override {
    return pages_.listsWithoutSelection();
  }
  void showGroupSelection() override { pages_.showGroupSelection(); }

 private:
  SettingsView& pages_;
};

TEST(WriteLineOfInstruments, ThrowAtAnInstrumentOfAnotherRateGivesTheLinkAndTheControlsBack) {
  ExchangeRig rig({.networkAddress = 1, .baudRate = 0, .moreAddresses = {2}});  // every rate
  rig.link.openPortAt("COM1", 9600);
  const LinkParameters own = rig.link.parameters();
  PagesThatThrow pages(rig.view);
  constexpr LinePlace kFaster[] = {{2, 19200}};
  EXPECT_THROW(WriteLineOfInstruments(rig.exchange, kFaster, rig.settings, pages),
               std::runtime_error);
  EXPECT_EQ(rig.view.calls, (Calls{"lock", "groups", "unlock"}));
  EXPECT_EQ(rig.link.parameters().networkAddress, own.networkAddress);
  EXPECT_EQ(rig.link.baudRate(), 9600u);
  EXPECT_EQ(rig.simulator.port().openedBaudRate(), 9600u);
  EXPECT_TRUE(rig.link.isOpen());
}

}  // namespace
}  // namespace zorkan
