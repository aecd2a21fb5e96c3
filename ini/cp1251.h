#pragma once
// Files keep text in the Windows-1251 code page; the program works in UTF-8.

#include <string>
#include <string_view>

namespace zorkan {

std::string Cp1251ToUtf8(std::string_view bytes);
// Characters the code page lacks become "?".
std::string Utf8ToCp1251(std::string_view text);

}  // namespace zorkan
