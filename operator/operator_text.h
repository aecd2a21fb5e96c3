#pragma once
// Texts the operator reads, written in Russian, the instrument's own language, wherever they are
// made. The window shows each in the language the operator chose (ui/core_text.h); the printed
// report, the profiles and the logs keep the Russian.

#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>

// A text the operator reads: the literal as it is. The build collects every literal so marked
// (scripts/core_texts.cmake) for the window's translations, so only a string literal compiles
// here. A text made of parts is a marked pattern given to FillText, never a concatenation.
#define OPERATOR_TEXT(text) ("" text)

namespace zorkan {

// One part of a composed text: a text, or a whole number written in decimal.
class TextPart {
 public:
  TextPart(std::string_view text) : text_(text) {}
  TextPart(const std::string& text) : text_(text) {}
  TextPart(const char* text) : text_(text) {}
  template <std::integral Number>
  requires(!std::same_as<Number, bool> && !std::same_as<Number, char>) TextPart(Number number)
      : text_(std::to_string(number)) {}

  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// `pattern` (an OPERATOR_TEXT holding %1, %2 … %9) with each %N replaced by the Nth part; the
// parts themselves are not searched for marks. A mark without its part stays as it is.
std::string FillParts(std::string_view pattern, std::initializer_list<TextPart> parts);

template <typename... Parts>
std::string FillText(std::string_view pattern, const Parts&... parts) {
  return FillParts(pattern, {TextPart(parts)...});
}

}  // namespace zorkan
