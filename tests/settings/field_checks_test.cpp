// Character tests of the entry fields: what may surround a number, which characters form one, and
// which field's box the operator sees when one does not.
#include <gtest/gtest.h>

#include "settings/field_checks.h"
#include "tests/settings/expect_boxes.h"
#include "tests/support/recording_dialogs.h"

namespace zorkan {
namespace {

using testing::ExpectBoxes;
using testing::RecordingDialogs;

TEST(NumberText, BlanksAndControlCharactersAroundTheNumberAreIgnored) {
  EXPECT_EQ(checkNumberText("  12.5  ", "."), 0);
  EXPECT_EQ(checkNumberText("\t12.5\r\n", "."), 0);
  EXPECT_EQ(checkNumberText("12 .5", "."), 1);
}

TEST(NumberText, OnlyDigitsSignsAndTheExtraCharactersPass) {
  EXPECT_EQ(checkNumberText("12,5", "."), 1);
  EXPECT_EQ(checkNumberText("1e3", "."), 1);
  EXPECT_EQ(checkNumberText("0x10", "."), 1);
  EXPECT_EQ(checkNumberText("12.5", ""), 1);
  // Only the characters are tested, not whether they make a number.
  EXPECT_EQ(checkNumberText("1.2.3", "."), 0);
  EXPECT_EQ(checkNumberText("5-", "."), 0);
  EXPECT_EQ(checkNumberText("+-0", ""), 0);
}

TEST(NumberText, EmptyTextFails) {
  EXPECT_EQ(checkNumberText("", "."), 1);
  EXPECT_EQ(checkNumberText(" \t ", "."), 1);
}

TEST(SerialText, ValuesAbove65535OrWithSignsFail) {
  EXPECT_EQ(checkSerialText("65535"), 0);
  EXPECT_EQ(checkSerialText("65536"), 1);
  EXPECT_EQ(checkSerialText("-1"), 1);
  EXPECT_EQ(checkSerialText("+1"), 1);
  EXPECT_EQ(checkSerialText("12.0"), 1);
  EXPECT_EQ(checkSerialText("007"), 0);
  EXPECT_EQ(checkSerialText(" 42\r\n"), 0);
  EXPECT_EQ(checkSerialText("4 2"), 1);
  EXPECT_EQ(checkSerialText(""), 1);
  EXPECT_EQ(checkSerialText("  "), 1);
}

TEST(SerialText, LongDigitStringsDoNotOverflow) {
  EXPECT_EQ(checkSerialText("00000000000000000001"), 0);
  EXPECT_EQ(checkSerialText("99999999999999999999"), 1);
  // 2^32 + 1 would wrap to 1 in 32 bits.
  EXPECT_EQ(checkSerialText("4294967297"), 1);
}

// Texts as the pages show them after a profile load: every field passes.
FieldTexts ValidTexts() {
  return {"  0.0000", "12345",    "100.0000", "  0.0000",
          "  1.0000", " 50.0000", " 60.0000", "  0.0200",
          "  0.0200", "  0.1000", "  0.0100", {"  0.0000", "  1.0000", "  2.0000", "  3.0000"}};
}

std::vector<std::string*> FieldsInCheckOrder(FieldTexts& texts) {
  return {&texts.rangeMin,      &texts.serialNumber,  &texts.rangeMax,       &texts.offset,
          &texts.rangeAdjust,   &texts.setpoint1,     &texts.setpoint2,      &texts.hysteresis1,
          &texts.hysteresis2,   &texts.setpointStep,  &texts.hysteresisStep, &texts.polynomial[0],
          &texts.polynomial[1], &texts.polynomial[2], &texts.polynomial[3]};
}

constexpr const char* kChannel = "Ошибка задания параметров канала 1.";
constexpr const char* kGeneral = "Ошибка задания общеприборных параметров.";

TEST(CheckFields, ValidTextsPassSilently) {
  RecordingDialogs dialogs;
  EXPECT_EQ(checkFields(ValidTexts(), dialogs), kOk);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST(CheckFields, EachFailingFieldNamesItselfUnderItsCaption) {
  const std::pair<const char*, const char*> boxes[] = {
      {kChannel, "Ошибка задания минимума диапазона."},
      {kGeneral, "Ошибка задания заводского номера прибора."},
      {kChannel, "Ошибка задания максимума диапазона."},
      {kChannel, "Ошибка задания смещения диапазона."},
      {kChannel, "Ошибка задания подстройки диапазона."},
      {kChannel, "Ошибка задания регулируемой величины."},
      {kChannel, "Ошибка задания коэффициента пропорциональности."},
      {kChannel, "Ошибка задания зоны ПИД управления."},
      {kChannel, "Ошибка задания минимального времени импульса управления."},
      {kChannel, "Ошибка задания скорости изменения регулируемой величины."},
      {kChannel, "Ошибка задания скорости изменения зоны нечувствительности."},
      {kChannel, "Ошибка задания коэффициента 1 полинома."},
      {kChannel, "Ошибка задания коэффициента времени дифференцирования."},
      {kChannel, "Ошибка задания коэффициента времени интегрирования."},
      {kChannel, "Ошибка задания коэффициента асимметрии."},
  };
  for (std::size_t field = 0; field < std::size(boxes); ++field) {
    SCOPED_TRACE("field " + std::to_string(field + 1));
    FieldTexts texts = ValidTexts();
    *FieldsInCheckOrder(texts)[field] = "12,5";
    RecordingDialogs dialogs;
    EXPECT_EQ(checkFields(texts, dialogs), kStoppedToCorrect);
    ExpectBoxes(dialogs.shown,
                {{boxes[field].first, boxes[field].second, DialogIcon::Error, DialogButtons::Ok}});
  }
}

TEST(CheckFields, OnlyTheFirstFailingFieldIsReported) {
  FieldTexts texts = ValidTexts();
  texts.rangeMin = "1e3";
  texts.serialNumber = "65536";
  texts.polynomial[3] = "";
  RecordingDialogs dialogs;
  EXPECT_EQ(checkFields(texts, dialogs), kStoppedToCorrect);
  ExpectBoxes(dialogs.shown, {{kChannel, "Ошибка задания минимума диапазона.", DialogIcon::Error,
                               DialogButtons::Ok}});
}

TEST(CheckFields, SerialFieldUsesTheSerialRulesAndNumberFieldsThePoint) {
  FieldTexts texts = ValidTexts();
  texts.rangeMin = "-1.5";
  texts.serialNumber = "1.5";
  RecordingDialogs dialogs;
  EXPECT_EQ(checkFields(texts, dialogs), kStoppedToCorrect);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Ошибка задания заводского номера прибора.");
}

}  // namespace
}  // namespace zorkan
