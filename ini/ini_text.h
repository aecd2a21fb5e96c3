#pragma once
// The text of an INI file as raw CP1251 bytes. Names are compared without regard to the case of
// Latin and Cyrillic letters; the first of repeated sections or keys counts. A change touches one
// line and leaves every other byte as it was, whatever the file holds besides sections and keys.

#include <optional>
#include <string>
#include <string_view>

namespace zorkan {

// The value of `key` in the first section named `section`, without the blanks around it.
std::optional<std::string_view> FindIniValue(std::string_view text, std::string_view section,
                                             std::string_view key);

// `text` with `key` of the first section `section` set to `value`: an existing key line is
// replaced where it stands, a new key follows the last non-blank line of its section, a new
// section goes to the end. Line breaks inside `value` become blanks, so that a value cannot
// start lines of its own.
std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace zorkan
