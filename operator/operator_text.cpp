#include "operator/operator_text.h"

namespace zorkan {

std::string FillParts(std::string_view pattern, std::initializer_list<TextPart> parts) {
  std::string text;
  text.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char mark = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const auto number = static_cast<std::size_t>(mark - '0');
    if (pattern[i] == '%' && mark >= '1' && mark <= '9' && number <= parts.size()) {
      text += parts.begin()[number - 1].text();
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace zorkan
