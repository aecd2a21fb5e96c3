#include "ini/ini_text.h"

#include <algorithm>

namespace zorkan {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// Latin letters, А to Я and Ё of the code page.
unsigned char FoldCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDF)) return byte + 0x20;
  if (byte == 0xA8) return 0xB8;
  return byte;
}

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

// Offsets of one line: its content, then its line end, then the next line.
struct Line {
  std::size_t begin = 0;
  std::size_t contentEnd = 0;
  std::size_t end = 0;
};

Line LineAt(std::string_view text, std::size_t begin) {
  const std::size_t newline = text.find('\n', begin);
  Line line{begin, newline, newline + 1};
  if (newline == std::string_view::npos) line.contentEnd = line.end = text.size();
  // A carriage return ends a line before a line feed, and as the last byte of the file.
  if (line.contentEnd > begin && text[line.contentEnd - 1] == '\r') --line.contentEnd;
  return line;
}

enum class LineKind { Section, Key, Other };

struct ParsedLine {
  LineKind kind = LineKind::Other;
  std::string_view name;
  std::string_view value;
};

// Comments, blank lines and anything else unknown come out as Other: kept, never matched.
ParsedLine ParseLine(std::string_view content) {
  const std::string_view line = Trim(content);
  if (line.empty() || line.front() == ';' || line.front() == '#') return {};
  if (line.front() == '[') {
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return {};
    return {LineKind::Section, Trim(line.substr(1, close - 1)), {}};
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  const std::string_view name = Trim(line.substr(0, equals));
  if (name.empty()) return {};
  return {LineKind::Key, name, Trim(line.substr(equals + 1))};
}

struct Place {
  bool sectionFound = false;
  std::optional<Line> keyLine;
  std::string_view value;
  Line lastOfSection;  // its last non-blank line, the header at least
};

Place Locate(std::string_view text, std::string_view section, std::string_view key) {
  Place place;
  for (std::size_t at = 0; at < text.size();) {
    const Line line = LineAt(text, at);
    at = line.end;
    const std::string_view content = text.substr(line.begin, line.contentEnd - line.begin);
    const ParsedLine parsed = ParseLine(content);
    if (parsed.kind == LineKind::Section) {
      // Only the first section of the name counts, so its end ends the search.
      if (place.sectionFound) break;
      if (SameName(parsed.name, section)) {
        place.sectionFound = true;
        place.lastOfSection = line;
      }
      continue;
    }
    if (!place.sectionFound) continue;
    if (parsed.kind == LineKind::Key && SameName(parsed.name, key)) {
      place.keyLine = line;
      place.value = parsed.value;
      break;
    }
    if (!Trim(content).empty()) place.lastOfSection = line;
  }
  return place;
}

// What a new line placed at `position` needs before it: the line before may lack its line end
// (the last line of a file), or have only the carriage return of one.
std::string_view LineEndBefore(std::string_view text, std::size_t position) {
  if (position == 0 || text[position - 1] == '\n') return {};
  return text[position - 1] == '\r' ? kLineEnd.substr(1) : kLineEnd;
}

std::string Insert(std::string_view text, std::size_t position, std::string_view lines) {
  std::string result(text.substr(0, position));
  result += LineEndBefore(text, position);
  result += lines;
  result += text.substr(position);
  return result;
}

}  // namespace

std::optional<std::string_view> FindIniValue(std::string_view text, std::string_view section,
                                             std::string_view key) {
  const Place place = Locate(text, section, key);
  if (!place.keyLine) return std::nullopt;
  return place.value;
}

std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value) {
  std::string keyLine(key);
  keyLine += '=';
  keyLine += value;
  std::replace_if(
      keyLine.begin() + static_cast<std::ptrdiff_t>(key.size()), keyLine.end(),
      [](char c) { return c == '\r' || c == '\n'; }, ' ');

  const Place place = Locate(text, section, key);
  if (place.keyLine) {
    std::string result(text.substr(0, place.keyLine->begin));
    result += keyLine;
    result += text.substr(place.keyLine->contentEnd);
    return result;
  }
  keyLine += kLineEnd;
  if (place.sectionFound) return Insert(text, place.lastOfSection.end, keyLine);
  std::string lines = "[";
  lines += section;
  lines += ']';
  lines += kLineEnd;
  lines += keyLine;
  return Insert(text, text.size(), lines);
}

}  // namespace zorkan
