#include <gtest/gtest.h>

#include "link/link_error.h"
#include "operator/progress.h"
#include "operator/result_messages.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/recording_progress.h"

namespace zorkan {
namespace {

using testing::RecordingDialogs;

TEST(ReportResult, NoAnswerShowsItsErrorBox) {
  RecordingDialogs dialogs;
  CancelLatch latch;
  ReportResult(kNoAnswer, dialogs, latch);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Прибор не ответил (ERR 2)");
  EXPECT_EQ(dialogs.shown[0].caption, "Ошибка");
  EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
  EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::Ok);
  EXPECT_EQ(dialogs.raised, 1);
}

TEST(ReportResult, CancelShowsInformationCaptionWithExclamation) {
  RecordingDialogs dialogs;
  CancelLatch latch;
  ReportResult(kCancelledByOperator, dialogs, latch);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].caption, "Информация пользователю");
  EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Warning);
}

TEST(ReportResult, CodesOutsideTheTableShowNothing) {
  RecordingDialogs dialogs;
  CancelLatch latch;
  for (const LinkError code : {0, 24, -1, 1000}) ReportResult(code, dialogs, latch);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST(ReportResult, EscapePressedBeforeTheBoxDoesNotCancelTheNextOperation) {
  RecordingDialogs dialogs;
  CancelLatch latch;
  latch.press();
  ReportResult(kNoAnswer, dialogs, latch);
  EXPECT_FALSE(latch.CancelRequested());
}

TEST(ResultMessages, TextsKeepTheirExactSpelling) {
  EXPECT_EQ(FindResultMessage(1)->text, "Слишком много символов  (ERR 1)");
  EXPECT_EQ(FindResultMessage(6)->text, "Ответ поврежден- не сошлась контрольная сумма (ERR 6)");
  EXPECT_EQ(FindResultMessage(16)->caption, "Замечание по настройкам");
  EXPECT_EQ(FindResultMessage(17)->icon, DialogIcon::Warning);
  for (LinkError code = 1; code <= 23; ++code) {
    const ResultMessage* message = FindResultMessage(code);
    ASSERT_NE(message, nullptr) << code;
    EXPECT_EQ(message->code, code);
    EXPECT_NE(message->text.find("(ERR " + std::to_string(code) + ")"), std::string_view::npos);
  }
}

TEST(CancelLatch, TwoPressesAreOneRequestClearedByTheTest) {
  CancelLatch latch;
  latch.press();
  latch.press();
  EXPECT_TRUE(latch.CancelRequested());
  EXPECT_FALSE(latch.CancelRequested());
}

TEST(Progress, EscapeDuringAStepIsSeenByTheNextTestOnly) {
  CancelLatch latch;
  testing::RecordingProgressPanel panel(latch);
  Progress progress(panel, latch);
  progress.SetProgressLines({"Ход процесса", "Чтение", "", "", "", "Для остановки нажмите ESC"});
  panel.escapeAtStep = 2;
  progress.SetProgressStep("Чтение типа датчика");
  EXPECT_FALSE(progress.CancelRequested());
  progress.SetProgressStep("Чтение максимума диапазона");
  EXPECT_EQ(panel.lines[1], "Чтение");  // the heading stays while the step changes
  EXPECT_EQ(panel.lines[2], "Чтение максимума диапазона");
  EXPECT_TRUE(progress.CancelRequested());
  EXPECT_FALSE(progress.CancelRequested());
}

}  // namespace
}  // namespace zorkan
