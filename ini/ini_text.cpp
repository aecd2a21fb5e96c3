#include "ini/ini_text.h"

namespace zorkan {

namespace {

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// Latin letters, А to Я and Ё of the code page.
char FoldCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDF)) {
    return static_cast<char>(byte + 0x20);
  }
  if (byte == 0xA8) return static_cast<char>(0xB8);
  return c;
}

}  // namespace

IniLine IniLineAt(std::string_view text, std::size_t begin) {
  const std::size_t newline = text.find('\n', begin);
  IniLine line{begin, newline, newline + 1};
  if (newline == std::string_view::npos) line.contentEnd = line.end = text.size();
  if (line.contentEnd > begin && text[line.contentEnd - 1] == '\r') --line.contentEnd;
  return line;
}

ParsedIniLine ParseIniLine(std::string_view content) {
  const std::string_view line = Trim(content);
  if (line.empty() || line.front() == ';' || line.front() == '#') return {};
  if (line.front() == '[') {
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return {};
    return {IniLineKind::Section, Trim(line.substr(1, close - 1)), {}};
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  const std::string_view name = Trim(line.substr(0, equals));
  if (name.empty()) return {};
  return {IniLineKind::Key, name, Trim(line.substr(equals + 1))};
}

bool IsBlankIniLine(std::string_view content) {
  return Trim(content).empty();
}

std::string FoldedIniName(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = FoldCase(c);
  return folded;
}

}  // namespace zorkan
