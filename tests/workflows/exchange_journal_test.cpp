// What the whole-instrument workflows leave in the run's journal: an entry after each whole read
// and each write that sent something, holding what moved, its code and where it stopped; nothing
// for a write its checks stopped, for the report's read or for a comparison; and never a frame
// more on the line, nor another result, whether the journal can be written or not.
#include <gtest/gtest.h>

#include "ini/ini_file.h"
#include "journal/journal.h"
#include "profiles/profile_difference.h"
#include "tests/support/scratch_folder.h"
#include "tests/workflows/exchange_rig.h"
#include "workflows/instrument_comparison.h"
#include "workflows/whole_instrument.h"

namespace zorkan {
namespace {

using testing::ExchangeRig;
using testing::ScratchFolder;

// The rig's exchanges recorded in a journal of the scratch folder.
struct JournalledRig : ExchangeRig {
  explicit JournalledRig(const ScratchFolder& folder)
      : journal(JournalFolder(folder.path()), simulator.clock()) {
    exchange.journal = &journal;
  }
  Journal journal;
};

// A read, then a write of the pages with one value changed.
LinkError ReadThenWriteChanged(ExchangeRig& rig) {
  if (const LinkError read = ReadWholeInstrument(rig.exchange, rig.settings, rig.view);
      read != kOk) {
    return read;
  }
  rig.view.CollectSettings();
  rig.settings.channels[0].setpoint1 = 160.0f;
  rig.view.ShowSettings();
  return WriteWholeInstrument(rig.exchange, rig.settings, rig.view);
}

TEST(ExchangeJournal, ReadAndWriteLeaveWhatTheyMovedAndNotAFrameMore) {
  ExchangeRig unrecorded;
  ASSERT_EQ(ReadThenWriteChanged(unrecorded), kOk);

  ScratchFolder folder;
  JournalledRig rig(folder);
  ASSERT_EQ(ReadWholeInstrument(rig.exchange, rig.settings, rig.view), kOk);
  rig.view.CollectSettings();
  const DeviceSettings read = rig.settings;
  rig.settings.channels[0].setpoint1 = 160.0f;
  rig.view.ShowSettings();
  ASSERT_EQ(WriteWholeInstrument(rig.exchange, rig.settings, rig.view), kOk);
  EXPECT_EQ(rig.simulator.receivedFrames(), unrecorded.simulator.receivedFrames());
  EXPECT_TRUE(rig.dialogs.shown.empty());

  const std::vector<JournalEntry> entries = rig.journal.entries();
  ASSERT_EQ(entries.size(), 2u);
  const JournalEntry& write = entries[0];
  const JournalEntry& readEntry = entries[1];
  EXPECT_EQ(readEntry.action, JournalAction::Read);
  EXPECT_EQ(readEntry.result, kOk);
  EXPECT_EQ(readEntry.serial, (EntrySerial{12345, SerialSource::Instrument}));
  EXPECT_EQ(readEntry.link, (JournalLink{"COM1", 1, 9600}));
  EXPECT_EQ(readEntry.stoppedAt, "");
  DeviceSettings recorded = read;
  ASSERT_TRUE(rig.journal.loadProfile(readEntry, recorded));
  EXPECT_EQ(DifferingProfileKeys(recorded, read), std::vector<ProfileKeyDifference>{});

  EXPECT_EQ(write.action, JournalAction::Write);
  EXPECT_EQ(write.result, kOk);
  EXPECT_EQ(write.serial, (EntrySerial{12345, SerialSource::Pages}));
  DeviceSettings sent;
  ASSERT_TRUE(rig.journal.loadProfile(write, sent));
  EXPECT_EQ(DifferingProfileKeys(recorded, sent),
            (std::vector<ProfileKeyDifference>{{"CH1", "th1", "150.0000", "160.0000"}}));
  EXPECT_EQ(rig.journal.readBeforeNewestWrite(12345), readEntry);
}

// What a write sent: after a clamp the operator accepted, the clamped value; nothing when a check
// stopped it.
TEST(ExchangeJournal, WriteEntryHoldsTheClampedValueAndAStoppedCheckLeavesNone) {
  ScratchFolder folder;
  JournalledRig rig(folder);
  rig.settings.channels[0].setpoint1 = 12000.0f;
  rig.dialogs.answers = {DialogAnswer::No};
  ASSERT_EQ(WriteWholeInstrument(rig.exchange, rig.settings, rig.view), kStoppedToCorrect);
  EXPECT_TRUE(rig.journal.entries().empty());

  rig.settings.channels[0].setpoint1 = 12000.0f;
  rig.dialogs.answers = {DialogAnswer::Yes};
  ASSERT_EQ(WriteWholeInstrument(rig.exchange, rig.settings, rig.view), kOk);
  const std::vector<JournalEntry> entries = rig.journal.entries();
  ASSERT_EQ(entries.size(), 1u);
  DeviceSettings sent;
  ASSERT_TRUE(rig.journal.loadProfile(entries[0], sent));
  EXPECT_EQ(sent.channels[0].setpoint1, 9999.0f);
}

// Escape during the first channel, a value that never reads back, a read the instrument stops
// answering: each entry carries its code and the step it stopped at. The comparison's and the
// report's reads leave none.
TEST(ExchangeJournal, StoppedAndFailedExchangesCarryTheirCodesAndWhereTheyStopped) {
  ScratchFolder folder;
  JournalledRig rig(folder);
  rig.panel.escapeAtStep = 2;
  EXPECT_EQ(WriteWholeInstrument(rig.exchange, rig.settings, rig.view), kCancelledByOperator);
  rig.panel.escapeAtStep = 0;
  rig.simulator.addFault({.kind = sim::FaultKind::AlteredReadBack, .space = 2, .number = 29});
  EXPECT_EQ(WriteWholeInstrument(rig.exchange, rig.settings, rig.view), kReadBackMismatch);
  rig.simulator.clearFaults();
  rig.simulator.addFault({.kind = sim::FaultKind::Silence, .space = 2, .number = 13});
  EXPECT_EQ(ReadWholeInstrument(rig.exchange, rig.settings, rig.view), kNoAnswer);
  rig.simulator.clearFaults();
  EXPECT_EQ(CompareInstrumentWith(rig.exchange, rig.settings).result, kOk);
  EXPECT_EQ(ReadForReport(rig.exchange, rig.settings, rig.view), kOk);

  const std::vector<JournalEntry> entries = rig.journal.entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[2].action, JournalAction::Write);
  EXPECT_EQ(entries[2].result, kCancelledByOperator);
  EXPECT_EQ(entries[2].stoppedAt.rfind("Запись настроек канала 1: ", 0), 0u)
      << entries[2].stoppedAt;
  EXPECT_EQ(entries[1].action, JournalAction::Write);
  EXPECT_EQ(entries[1].result, kReadBackMismatch);
  EXPECT_EQ(entries[1].stoppedAt.rfind("Запись настроек канала 1: ", 0), 0u)
      << entries[1].stoppedAt;
  EXPECT_EQ(entries[0].action, JournalAction::Read);
  EXPECT_EQ(entries[0].result, kNoAnswer);
  EXPECT_EQ(entries[0].stoppedAt.rfind("Идет чтение настроек канала 1: ", 0), 0u)
      << entries[0].stoppedAt;
  EXPECT_EQ(entries[0].serial->source, SerialSource::Pages);
}

// As root no permission refuses a write: a file where the folder would be does, for root too.
TEST(ExchangeJournal, UnwritableJournalIsToldOnceAndChangesNoExchange) {
  ExchangeRig unrecorded;
  ASSERT_EQ(ReadThenWriteChanged(unrecorded), kOk);

  ScratchFolder folder;
  testing::WriteBytes(folder / "journal", "");
  JournalledRig rig(folder);
  EXPECT_EQ(ReadThenWriteChanged(rig), kOk);
  EXPECT_EQ(rig.simulator.receivedFrames(), unrecorded.simulator.receivedFrames());
  EXPECT_EQ(rig.settings, unrecorded.settings);
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].caption, "Журнал настроек");
  EXPECT_NE(rig.dialogs.shown[0].text.find(UnableToWriteText(folder / "journal")),
            std::string::npos)
      << rig.dialogs.shown[0].text;

  // A failed exchange keeps its own box, and the journal says nothing more.
  rig.simulator.addFault({.kind = sim::FaultKind::Silence});
  EXPECT_EQ(ReadWholeInstrument(rig.exchange, rig.settings, rig.view), kNoAnswer);
  ASSERT_EQ(rig.dialogs.shown.size(), 2u);
  EXPECT_EQ(rig.dialogs.shown[1].text, "Прибор не ответил (ERR 2)");
}

}  // namespace
}  // namespace zorkan
