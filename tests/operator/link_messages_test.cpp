// What the operator is told of the link: the boxes, their texts, captions and icons, and which
// results tell nothing.
#include "operator/link_messages.h"

#include <gtest/gtest.h>

#include "tests/support/recording_dialogs.h"

namespace zorkan {
namespace {

using testing::RecordingDialogs;

TEST(PortOpening, OnlyARefusedOpeningIsTold) {
  RecordingDialogs dialogs;
  ReportPortOpening(PortOpening::Opened, dialogs);
  ReportPortOpening(PortOpening::NoPortNumber, dialogs);
  EXPECT_TRUE(dialogs.shown.empty());
  ReportPortOpening(PortOpening::Refused, dialogs);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Невозможно открыть последовательный порт");
  EXPECT_EQ(dialogs.shown[0].caption, "Ошибка");
  EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
  EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::Ok);
}

TEST(LinkSettingsFindings, EachIsABoxOfItsOwnInTheOrderFound) {
  RecordingDialogs dialogs;
  ReportLinkSettingsFindings({}, dialogs);
  EXPECT_TRUE(dialogs.shown.empty());

  ReportLinkSettingsFindings(
      {.unwritable = "/x/dev.dat", .portNumberTooLarge = true, .longReplyTimeout = true}, dialogs);
  ASSERT_EQ(dialogs.shown.size(), 3u);
  EXPECT_EQ(dialogs.shown[0].caption, "Ошибка");
  EXPECT_EQ(dialogs.shown[0].text, "Unable to write to /x/dev.dat");
  EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
  EXPECT_EQ(dialogs.shown[1].caption, "Проверьте параметры установления связи с прибором");
  EXPECT_EQ(dialogs.shown[1].text, "Слишком большой номер COM порта.");
  EXPECT_EQ(dialogs.shown[1].icon, DialogIcon::Warning);
  EXPECT_EQ(dialogs.shown[2].caption, "Проверьте параметры установления связи с прибором");
  EXPECT_EQ(dialogs.shown[2].text, "Задан большой тайм аут. Работать будет можно, но неудобно.");
  EXPECT_EQ(dialogs.shown[2].icon, DialogIcon::Information);

  dialogs.shown.clear();
  ReportLinkSettingsUnwritable("/x", dialogs);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Unable to write to /x/dev.dat");
}

}  // namespace
}  // namespace zorkan
