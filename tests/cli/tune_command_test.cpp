// zorkan-cli tune on the in-process simulator and the virtual clock: what a script gets on
// standard output and as its exit status, and that nothing is written but with --write and the
// operator's word.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>

#include "cli/exit_status.h"
#include "cli/tune_command.h"
#include "journal/journal.h"
#include "link/frame.h"
#include "profiles/profile_difference.h"
#include "tests/support/scratch_folder.h"
#include "tests/workflows/tuning_rig.h"

namespace zorkan {
namespace {

using testing::ScratchFolder;
using testing::TuningRig;

// A small oven with a dead time, and a journal of its own.
struct TuneRig : TuningRig {
  TuneRig() : TuningRig({.gain = 4, .lagS = 20, .delayS = 4}) { exchange.journal = &journal; }

  // The JSON a script reads, and the exit status.
  QJsonObject tune(const cli::TuneCommand& command) {
    std::ostringstream output;
    status = cli::Tune(command, {exchange, exchange, pacing}, output);
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(output.str()));
    EXPECT_TRUE(json.isObject()) << output.str();
    return json.object();
  }

  ScratchFolder folder;
  Journal journal{JournalFolder(folder.path()), simulator.clock()};
  int status = -1;
};

cli::TuneCommand TuneTo150() {
  cli::TuneCommand command;
  command.setpoint = 150;
  command.maxTemperature = 250;
  command.json = true;
  return command;
}

// Any write but the manual PWM's control word and duty, which the experiment drives.
bool WritesASetting(const std::vector<std::string>& frames) {
  const auto prefix = [](unsigned number) {
    const std::string text =
        ByteWriteRequestText(1, MakeParamAddress(ValueKind::Byte, 1, number), 0);
    return text.substr(0, text.size() - 3);  // without the value "00;"
  };
  const std::string controlWord = prefix(17);
  const std::string duty = prefix(18);
  return std::any_of(frames.begin(), frames.end(), [&](const std::string& frame) {
    return frame.find(";38;") != frame.npos && frame.find(controlWord) == frame.npos &&
           frame.find(duty) == frame.npos;
  });
}

// The proposal, written and checked on the loop: acceptance in virtual time.
TEST(Tune, WriteAndVerifyLeaveTheProposalInTheInstrumentAndTheStepWithinTenPerCent) {
  TuneRig rig;
  rig.dialogs.unscriptedAnswer = DialogAnswer::Yes;  // --yes
  cli::TuneCommand command = TuneTo150();
  command.write = true;
  command.yes = true;
  command.verifyStep = 10;
  const QJsonObject json = rig.tune(command);
  ASSERT_EQ(rig.status, 0) << json["message"].toString().toStdString();
  EXPECT_EQ(json["status"].toInt(), 0);
  EXPECT_EQ(json["end"].toString(), "done");
  EXPECT_TRUE(json["handedBack"].toBool());
  const QJsonObject model = json["model"].toObject();
  EXPECT_NEAR(model["gain"].toDouble(), 4, 0.2);
  EXPECT_NEAR(model["delayS"].toDouble(), 4, 0.4);
  EXPECT_GT(json["ultimate"]["periodS"].toDouble(), 0);
  EXPECT_EQ(json["coefficients"]["current"]["proportional"].toDouble(), 10);
  const QJsonObject proposed = json["coefficients"]["proposed"].toObject();
  EXPECT_EQ(rig.coefficients(),
            (tuning::RegulatorCoefficients{
                static_cast<float>(proposed["proportional"].toDouble()),
                static_cast<float>(proposed["zone"].toDouble()),
                static_cast<float>(proposed["integrationS"].toDouble()),
                static_cast<float>(proposed["differentiationS"].toDouble()), 2}));
  EXPECT_EQ(json["write"]["code"].toInt(-1), 0);
  const QJsonObject verify = json["verify"].toObject();
  EXPECT_EQ(verify["end"].toString(), "done");
  EXPECT_EQ(verify["from"].toDouble(), 150);
  EXPECT_EQ(verify["to"].toDouble(), 160);
  EXPECT_LE(verify["measured"]["overshootPercent"].toDouble(100), 10);
  EXPECT_EQ(*rig.simulator.floatParameter(2, 29), 150.0f) << "the regulated value back";
  EXPECT_EQ(rig.pwmControlWord(), 0);
  const std::vector<JournalEntry> entries = rig.journal.entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].action, JournalAction::Write);
  EXPECT_EQ(entries[1].action, JournalAction::Read);
  DeviceSettings before, after;
  ASSERT_TRUE(rig.journal.loadProfile(entries[1], before));
  ASSERT_TRUE(rig.journal.loadProfile(entries[0], after));
  const std::vector<ProfileKeyDifference> written = DifferingProfileKeys(before, after);
  EXPECT_EQ(written.size(), 4u) << "the four numbers alone, " << written.back().key;
}

// Each of them after a whole experiment: a script must be sure that a run without --write, or one
// whose write a check stopped, changed nothing the instrument keeps.
struct Unwritten {
  const char* name;
  bool write;
  int status;
};
void PrintTo(const Unwritten& run, std::ostream* out) {
  *out << run.name;
}

class TuneWritesNothing : public ::testing::TestWithParam<Unwritten> {};

TEST_P(TuneWritesNothing, AndSaysWhatItFound) {
  TuneRig rig;
  rig.simulator.setFloatParameter(2, 33, 12000);  // channel 2's setpoint: clamped after a question
  cli::TuneCommand command = TuneTo150();
  command.write = GetParam().write;
  const tuning::RegulatorCoefficients before = rig.coefficients();
  const QJsonObject json = rig.tune(command);
  EXPECT_EQ(rig.status, GetParam().status);
  EXPECT_EQ(json["status"].toInt(), GetParam().status);
  EXPECT_EQ(json["end"].toString(), "done");
  EXPECT_TRUE(json["model"].isObject());
  EXPECT_EQ(json["write"].isNull(), !GetParam().write);
  EXPECT_TRUE(json["verify"].isNull());
  EXPECT_FALSE(WritesASetting(rig.simulator.receivedFrames()));
  EXPECT_EQ(rig.coefficients(), before);
  EXPECT_EQ(rig.pwmControlWord(), 0);
  for (const JournalEntry& entry : rig.journal.entries()) {
    EXPECT_NE(entry.action, JournalAction::Write);
  }
}

INSTANTIATE_TEST_SUITE_P(Runs, TuneWritesNothing,
                         ::testing::Values(Unwritten{"WithoutWrite", false, 0},
                                           Unwritten{"CheckAnsweredNo", true, kStoppedToCorrect}),
                         [](const auto& info) { return std::string(info.param.name); });

// The ends a script tells apart by the exit status alone, each with the instrument regulating by
// itself again; no table is printed without a model.
struct UnfinishedRun {
  const char* name;
  std::function<void(TuneRig&, cli::TuneCommand&)> arrange;
  const char* end;
  int status;
};
void PrintTo(const UnfinishedRun& run, std::ostream* out) {
  *out << run.name;
}

class TuneEndsEarly : public ::testing::TestWithParam<UnfinishedRun> {};

TEST_P(TuneEndsEarly, WithItsOwnStatus) {
  TuneRig rig;
  cli::TuneCommand command = TuneTo150();
  command.write = true;
  command.verifyStep = 10;
  GetParam().arrange(rig, command);
  const QJsonObject json = rig.tune(command);
  EXPECT_EQ(rig.status, GetParam().status);
  EXPECT_EQ(json["end"].toString(), GetParam().end);
  EXPECT_TRUE(json["handedBack"].toBool());
  EXPECT_TRUE(json["model"].isNull());
  EXPECT_TRUE(json["write"].isNull());
  EXPECT_EQ(rig.pwmControlWord(), 0);
  EXPECT_FALSE(WritesASetting(rig.simulator.receivedFrames()));
}

INSTANTIATE_TEST_SUITE_P(
    Ends, TuneEndsEarly,
    ::testing::Values(UnfinishedRun{"MaxTemperature",
                                    [](TuneRig&, cli::TuneCommand& command) {
                                      command.maxTemperature = 160;
                                    },
                                    "maxTemperature", cli::kExitMaxTemperature},
                      UnfinishedRun{"NoHeaterRelay",
                                    [](TuneRig& rig, cli::TuneCommand&) {
                                      rig.simulator.setByteParameter(2, 6, 0x01);
                                    },
                                    "refused", cli::kExitTuningRefused},
                      UnfinishedRun{"CtrlC",
                                    [](TuneRig& rig, cli::TuneCommand&) {
                                      rig.pacing.afterWait = [&rig] {
                                        if (rig.simulator.clock().monotonicMs() > 40'000)
                                          rig.latch.press();
                                      };
                                    },
                                    "cancelled", kCancelledByOperator}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorkan
