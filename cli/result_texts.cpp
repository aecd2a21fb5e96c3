#include "cli/result_texts.h"

#include <array>
#include <string_view>

#include "operator/result_messages.h"

namespace zorkan::cli {

namespace {

// Codes 1..23 in order, what each one means in English.
constexpr std::array<std::string_view, 23> kMeanings{
    "too many characters",
    "the instrument did not answer",
    "the instrument could not make out the request",
    "an operand too large",
    "an address too large",
    "a damaged answer: its checksum does not match",
    "the instrument reports an error",
    "the ADC module cannot be reached",
    "the module did not answer",
    "the instrument has no such module",
    "a checksum error of the module",
    "an address too large in the module's request",
    "an error in the module's answer",
    "the file cannot be opened",
    "what was read back differs from what was written",
    "the write was stopped for the settings to be made clear",
    "the write was stopped for the settings to be corrected",
    "a system error while the answer was taken apart",
    "an answer unlike the one expected",
    "stopped by the user",
    "a value that is not a floating-point number was sent",
    "no such parameter",
    "a number given wrongly",
};

}  // namespace

// Appended piece by piece: GCC 12's Release build takes a sum of strings here for an overlap.
std::string ResultText(LinkError code) {
  const ResultMessage* message = FindResultMessage(code);
  if (message == nullptr) return "result code " + std::to_string(code);
  // A code the table learns later is still told, by its own text.
  const auto index = static_cast<std::size_t>(code - 1);
  std::string text;
  if (index < kMeanings.size()) {
    text = kMeanings[index];
    text += " (";
  }
  text += '"';
  text += message->text;
  text += '"';
  if (index < kMeanings.size()) text += ')';
  return text;
}

}  // namespace zorkan::cli
