#pragma once
// What a line of an INI text is, in raw CP1251 bytes: a section header, a key line or anything
// else (comments, blank lines, junk), which is kept and never matched. Names are compared without
// regard to the case of Latin and Cyrillic letters.

#include <cstddef>
#include <string>
#include <string_view>

namespace zorkan {

// Offsets of one line: its content, then its line end, then the next line.
struct IniLine {
  std::size_t begin = 0;
  std::size_t contentEnd = 0;
  std::size_t end = 0;
};

// The line that starts at `begin`. A line ends at a line feed; a carriage return before it, or as
// the last byte of the text, belongs to the line end.
IniLine IniLineAt(std::string_view text, std::size_t begin);

enum class IniLineKind { Section, Key, Other };

struct ParsedIniLine {
  IniLineKind kind = IniLineKind::Other;
  std::string_view name;   // without the blanks around it
  std::string_view value;  // of a key line, without the blanks around it
};

ParsedIniLine ParseIniLine(std::string_view content);

// Nothing but blanks.
bool IsBlankIniLine(std::string_view content);

// Two names are the same name when their folded forms are equal.
std::string FoldedIniName(std::string_view name);

}  // namespace zorkan
