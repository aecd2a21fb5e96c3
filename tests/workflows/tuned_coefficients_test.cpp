// The proposed coefficients written as the window's "Записать в прибор" writes: after a whole
// read into a model of their own, with every check, journalled so that "Вернуть настройки до
// записи" takes them back, and not at all when the operator refuses a check.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "journal/journal.h"
#include "profiles/profile_difference.h"
#include "tests/support/scratch_folder.h"
#include "tests/workflows/tuning_rig.h"
#include "workflows/regulator_parameters.h"
#include "workflows/tuned_coefficients.h"

namespace zorkan {
namespace {

using testing::ScratchFolder;
using testing::TuningRig;

const tuning::RegulatorCoefficients kProposed{1, 42.5, 97.3, 2.6, 2};

struct JournalledTuningRig : TuningRig {
  explicit JournalledTuningRig(const ScratchFolder& folder)
      : journal(JournalFolder(folder.path()), simulator.clock()) {
    exchange.journal = &journal;
  }
  Journal journal;
};

// The pages hold an edit the operator has not written: it neither reaches the instrument nor is
// lost, and the pages show the four numbers written.
TEST(WriteTunedCoefficients, WritesTheFourNumbersKeepsThePagesEditsAndTheReadBeforeTakesThemBack) {
  ScratchFolder folder;
  JournalledTuningRig rig(folder);
  rig.settings.channels[0].setpoint1 = 321;  // "Регулируемое значение", typed and not written
  rig.settings.channels[0].regulationInterval = 7;  // "Период ШИМ", the same
  const tuning::RegulatorCoefficients before = rig.coefficients();
  DeviceSettings instrument = rig.settings;
  ASSERT_EQ(WriteTunedCoefficients(rig.exchange, instrument, kProposed), kOk);
  EXPECT_EQ(rig.coefficients(), (tuning::RegulatorCoefficients{1, 42.5f, 97.3f, 2.6f, 2}));
  EXPECT_EQ(*rig.simulator.floatParameter(2, 29), 150.0f);
  EXPECT_EQ(rig.view.calls, (std::vector<std::string>{"lock", "unlock", "lock", "unlock"}))
      << "the pages untouched";
  ShowTunedCoefficients(rig.view, rig.settings, kProposed);
  EXPECT_EQ(CoefficientsOf(rig.settings),
            (tuning::RegulatorCoefficients{1, 42.5f, 97.3f, 2.6f, 7}));
  EXPECT_EQ(rig.settings.channels[0].setpoint1, 321);

  const std::vector<JournalEntry> entries = rig.journal.entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].action, JournalAction::Write);
  EXPECT_EQ(entries[1].action, JournalAction::Read);
  DeviceSettings read, written;
  ASSERT_TRUE(rig.journal.loadProfile(entries[1], read));
  ASSERT_TRUE(rig.journal.loadProfile(entries[0], written));
  EXPECT_EQ(DifferingProfileKeys(read, written),
            (std::vector<ProfileKeyDifference>{{"CH1", "th2", "10.0000", "1.0000"},
                                               {"CH1", "his1", "20.0000", "42.5000"},
                                               {"CH1", "koef1", "30.0000", "2.6000"},
                                               {"CH1", "koef2", "120.0000", "97.3000"}}));
  const std::optional<JournalEntry> back = rig.journal.readBeforeNewestWrite(12345);
  ASSERT_EQ(back, entries[1]);
  DeviceSettings restored;
  ASSERT_TRUE(rig.journal.loadProfile(*back, restored));
  EXPECT_EQ(CoefficientsOf(restored), before);
}

TEST(WriteTunedCoefficients, ACheckTheOperatorRefusesWritesNothing) {
  ScratchFolder folder;
  JournalledTuningRig rig(folder);
  rig.simulator.setFloatParameter(2, 33, 12000);  // channel 2's setpoint: clamped after a question
  rig.dialogs.answers = {DialogAnswer::No};
  const tuning::RegulatorCoefficients before = rig.coefficients();
  DeviceSettings instrument = rig.settings;
  EXPECT_EQ(WriteTunedCoefficients(rig.exchange, instrument, kProposed), kStoppedToCorrect);
  const std::vector<std::string> frames = rig.simulator.receivedFrames();
  EXPECT_FALSE(std::any_of(frames.begin(), frames.end(), [](const std::string& frame) {
    return frame.find(";38;") != frame.npos;
  }));
  EXPECT_EQ(rig.coefficients(), before);
  const std::vector<JournalEntry> entries = rig.journal.entries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].action, JournalAction::Read);
}

}  // namespace
}  // namespace zorkan
