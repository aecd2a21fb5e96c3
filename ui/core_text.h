#pragma once
// Where a text of the core meets the window. The core (plain C++) makes every text the operator
// reads in Russian, marked OPERATOR_TEXT (operator/operator_text.h), and composed ones from marked
// patterns; the window shows each in the language chosen, through this one function.

#include <QString>
#include <span>
#include <string_view>

namespace zorkan {

// `text` in the window's language: the translation of a marked text; for a text that fills a
// marked pattern, the pattern's translation filled with the parts found in `text`, each of them
// taken through CoreText in turn; any other text as it is.
QString CoreText(std::string_view text);

// Every text marked OPERATOR_TEXT in the sources; the build collects them (core_texts.cpp).
std::span<const char* const> CoreTexts();

}  // namespace zorkan
