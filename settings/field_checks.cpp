#include "settings/field_checks.h"

#include <algorithm>
#include <cstdint>

#include "operator/operator_text.h"

namespace zorkan {

namespace {

constexpr std::string_view kNumberCharacters = "0123456789+-";
constexpr std::string_view kDecimalPoint = ".";
constexpr std::uint32_t kMaxSerialNumber = 65535;

constexpr std::string_view kGeneralCaption =
    OPERATOR_TEXT("Ошибка задания общеприборных параметров.");
constexpr std::string_view kChannelCaption = OPERATOR_TEXT("Ошибка задания параметров канала 1.");

std::string_view TrimBlanks(std::string_view text) {
  const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

int NumberFieldTest(std::string_view text) {
  return checkNumberText(text, kDecimalPoint);
}

struct FieldCheck {
  std::string_view text;
  int (*test)(std::string_view);
  std::string_view caption;
  std::string_view error;
};

}  // namespace

int checkNumberText(std::string_view text, std::string_view extra) {
  const std::string_view trimmed = TrimBlanks(text);
  const auto allowed = [extra](char c) {
    return kNumberCharacters.find(c) != std::string_view::npos ||
           extra.find(c) != std::string_view::npos;
  };
  return !trimmed.empty() && std::all_of(trimmed.begin(), trimmed.end(), allowed) ? 0 : 1;
}

int checkSerialText(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.empty()) return 1;
  // Leading zeros may make the text long; stopping as soon as the value is too large keeps the sum
  // from overflowing.
  std::uint32_t value = 0;
  for (const char c : trimmed) {
    if (c < '0' || c > '9') return 1;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
    if (value > kMaxSerialNumber) return 1;
  }
  return 0;
}

LinkError checkFields(const FieldTexts& texts, OperatorDialogs& dialogs) {
  const FieldCheck checks[] = {
      {texts.rangeMin, NumberFieldTest, kChannelCaption,
       OPERATOR_TEXT("Ошибка задания минимума диапазона.")},
      {texts.serialNumber, checkSerialText, kGeneralCaption,
       OPERATOR_TEXT("Ошибка задания заводского номера прибора.")},
      {texts.rangeMax, NumberFieldTest, kChannelCaption,
       OPERATOR_TEXT("Ошибка задания максимума диапазона.")},
      {texts.offset, NumberFieldTest, kChannelCaption,
       OPERATOR_TEXT("Ошибка задания смещения диапазона.")},
      {texts.rangeAdjust, NumberFieldTest, kChannelCaption,
       OPERATOR_TEXT("Ошибка задания подстройки диапазона.")},
      {texts.setpoint1, NumberFieldTest, kChannelCaption,
       OPERATOR_TEXT("Ошибка задания регулируемой величины.")},
      {texts.setpoint2, NumberFieldTest, kChannelCaption,
       OPERATOR_TEXT("Ошибка задания коэффициента пропорциональности.")},
      {texts.hysteresis1, NumberFieldTest, kChannelCaption,
       OPERATOR_TEXT("Ошибка задания зоны ПИД управления.")},
      {texts.hysteresis2, NumberFieldTest, kChannelCaption,
       OPERATOR_TEXT("Ошибка задания минимального времени импульса управления.")},
      {texts.setpointStep, NumberFieldTest, kChannelCaption,
       OPERATOR_TEXT("Ошибка задания скорости изменения регулируемой величины.")},
      {texts.hysteresisStep, NumberFieldTest, kChannelCaption,
       OPERATOR_TEXT("Ошибка задания скорости изменения зоны нечувствительности.")},
      {texts.polynomial[0], NumberFieldTest, kChannelCaption,
       OPERATOR_TEXT("Ошибка задания коэффициента 1 полинома.")},
      {texts.polynomial[1], NumberFieldTest, kChannelCaption,
       OPERATOR_TEXT("Ошибка задания коэффициента времени дифференцирования.")},
      {texts.polynomial[2], NumberFieldTest, kChannelCaption,
       OPERATOR_TEXT("Ошибка задания коэффициента времени интегрирования.")},
      {texts.polynomial[3], NumberFieldTest, kChannelCaption,
       OPERATOR_TEXT("Ошибка задания коэффициента асимметрии.")},
  };
  for (const FieldCheck& check : checks) {
    if (check.test(check.text) != 0) {
      ShowMessage(dialogs, std::string(check.caption), std::string(check.error), DialogIcon::Error);
      return kStoppedToCorrect;
    }
  }
  return kOk;
}

}  // namespace zorkan
