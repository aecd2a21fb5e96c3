// What guards an instrument before a command reaches its line: the payload read as nothing but a
// number the instrument's float holds, and the day's budget of writes kept on disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "publish/command_payload.h"
#include "publish/set_budget.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

TEST(CommandPayload, OnlyANumberTheInstrumentHoldsIsTakenWithAnIdOfPrintableText) {
  struct Case {
    std::string payload;
    std::optional<float> value;  // none: refused
    std::string id = {};
  };
  const Case cases[] = {
      {"155.5", 155.5f},
      {" \t155.5\r\n", 155.5f},
      {"-1.5e2", -150.0f},
      {"0", 0.0f},
      {R"({"value": 150.5, "id": "7f3a-01"})", 150.5f, "7f3a-01"},
      {R"({"id":"first","value":1})", 1.0f, "first"},
      // Not a number as JSON writes one.
      {"abc", {}},
      {"NaN", {}},
      {"inf", {}},
      {"+1", {}},
      {"01", {}},
      {"0x10", {}},
      {"155,5", {}},
      {"", {}},
      {"1e400", {}},
      // A number the instrument's float would turn into infinity or zero.
      {"1e39", {}},
      {"1e-50", {}},
      // An object of anything but a value and an id; the id, where readable, is kept.
      {"[1]", {}},
      {R"({"value":"1","id":"s"})", {}, "s"},
      {R"({"value":1,"id":5})", {}},
      {R"({"value":1,"id":""})", {}},
      {R"({"value":1,"id":"tab\there"})", {}},
      {R"({"value":1,"id":")" + std::string(kMostIdLength + 1, 'x') + "\"}", {}},
      {R"({"id":"none"})", {}, "none"},
      {R"({"value":1,"value":2})", {}},
      {R"({"value":1,"unit":"C"})", {}},
      {R"({"value":{"value":1}})", {}},
      {"{\"value\":" + std::string(kMostPayloadBytes, '1') + "}", {}},
  };
  for (const Case& expected : cases) {
    const CommandPayload payload = ParseCommandPayload(expected.payload);
    EXPECT_EQ(payload.value, expected.value) << expected.payload;
    EXPECT_EQ(payload.refusal.empty(), expected.value.has_value())
        << expected.payload << ": " << payload.refusal;
    EXPECT_EQ(payload.id, expected.id) << expected.payload;
  }
}

// The count survives the run that made it, starts again on a later day only, and a count that
// cannot be read or kept refuses the write rather than let it go uncounted.
TEST(SetBudget, CountsTheDaysWritesOnDiskAndRefusesWhatItCannotCount) {
  testing::ScratchFolder folder;
  const std::filesystem::path file = SetBudgetFile(folder.path(), 12346);
  const LocalTime morning{2026, 12, 8, 9, 0, 0};
  const LocalTime evening{2026, 12, 8, 21, 0, 0};
  {
    SetBudget budget(file, 2);
    EXPECT_EQ(budget.take(morning).outcome, BudgetTaking::Taken);
  }
  SetBudget restarted(file, 2);
  EXPECT_EQ(restarted.take(evening).outcome, BudgetTaking::Taken);
  const BudgetTaking spent = restarted.take(evening);
  EXPECT_EQ(spent.outcome, BudgetTaking::UsedUp);
  EXPECT_EQ(spent.reason, "the 2 writes of the day are used up");
  EXPECT_EQ(testing::ReadBytes(file), "2026-12-08 2\n");
  EXPECT_EQ(restarted.take({2026, 12, 7, 23, 0, 0}).outcome, BudgetTaking::UsedUp)
      << "a clock put back";
  EXPECT_EQ(restarted.take({2026, 12, 9, 0, 0, 1}).outcome, BudgetTaking::Taken);

  testing::WriteBytes(file, "2026-12-09 one\n");
  const BudgetTaking garbled = restarted.take({2026, 12, 9, 1, 0, 0});
  EXPECT_EQ(garbled.outcome, BudgetTaking::NotCounted);
  EXPECT_NE(garbled.reason.find(file.string() + " cannot be read"), std::string::npos);

  // A folder of the count that cannot be made.
  testing::WriteBytes(folder / "blocked", "");
  SetBudget unkept(SetBudgetFile(folder / "blocked", 12346), 2);
  EXPECT_EQ(unkept.take(morning).outcome, BudgetTaking::NotCounted);
}

}  // namespace
}  // namespace zorkan
