#include "ini/ini_document.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "ini/cp1251.h"
#include "ini/ini_text.h"
#include "ini/number_text.h"

namespace zorkan {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  int base = 10;
  bool signAllowed = true;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
    signAllowed = false;
  } else if (text.starts_with('$')) {
    base = 16;
    text.remove_prefix(1);
    signAllowed = false;
  } else if (text.starts_with('+')) {
    text.remove_prefix(1);
    signAllowed = false;
  }
  // from_chars takes a minus sign in any base.
  if (!signAllowed && text.starts_with('-')) return std::nullopt;
  std::int32_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (result.ec != std::errc{} || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

// Line breaks become blanks, so that a write cannot start lines of its own.
std::string OneLine(std::string line) {
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return line;
}

// False for a name that the line written for it reads back otherwise (blanks at its ends, a
// bracket or an equals sign in it): the index cannot foresee where such a line lands.
bool ReadsBackAs(std::string_view line, IniLineKind kind, std::string_view name) {
  const ParsedIniLine parsed = ParseIniLine(line);
  return parsed.kind == kind && parsed.name == name;
}

}  // namespace

IniDocument::IniDocument(std::string bytes) : text_(std::move(bytes)) {
  // Lines before the first section, and every line of a repeated section, are never looked up.
  Section* section = nullptr;
  for (std::size_t at = 0; at < text_.size();) {
    const IniLine line = IniLineAt(text_, at);
    at = line.end;
    const std::string_view content =
        std::string_view(text_).substr(line.begin, line.contentEnd - line.begin);
    const ParsedIniLine parsed = ParseIniLine(content);
    if (parsed.kind == IniLineKind::Section) {
      const auto [added, isFirst] = sections_.try_emplace(FoldedIniName(parsed.name));
      section = isFirst ? &added->second : nullptr;
      if (section != nullptr) section->lastLine = indexLine(line.begin);
      continue;
    }
    if (section == nullptr || IsBlankIniLine(content)) continue;
    lineBegins_[section->lastLine] = line.begin;
    if (parsed.kind == IniLineKind::Key) {
      const auto [key, isFirst] = section->keys.try_emplace(FoldedIniName(parsed.name));
      if (isFirst) key->second = indexLine(line.begin);
    }
  }
}

bool IniDocument::hasSection(std::string_view section) const {
  return sections_.contains(FoldedIniName(Utf8ToCp1251(section)));
}

bool IniDocument::hasKey(std::string_view section, std::string_view key) const {
  return storedValue(section, key).has_value();
}

std::int32_t IniDocument::readInteger(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const {
  const auto value = storedValue(section, key);
  if (!value) return defaultValue;
  return ParseInteger(*value).value_or(defaultValue);
}

std::string IniDocument::readText(std::string_view section, std::string_view key,
                                  std::string_view defaultText) const {
  const auto value = storedValue(section, key);
  if (!value) return std::string(defaultText);
  return Cp1251ToUtf8(*value);
}

void IniDocument::readReal(std::string_view section, std::string_view key,
                           std::string_view defaultText, float& setting) const {
  const auto value = storedValue(section, key);
  constexpr std::size_t kScannedLength = 16;
  const auto number = ScanDecimal(value.value_or(defaultText).substr(0, kScannedLength));
  // A number beyond single precision has no setting to give either.
  if (!number || std::abs(*number) > std::numeric_limits<float>::max()) return;
  setting = static_cast<float>(*number);
}

void IniDocument::writeInteger(std::string_view section, std::string_view key, std::int32_t value) {
  store(section, key, std::to_string(value));
}

void IniDocument::writeText(std::string_view section, std::string_view key, std::string_view text) {
  store(section, key, Utf8ToCp1251(text));
}

void IniDocument::writeReal(std::string_view section, std::string_view key, double value) {
  store(section, key, FormatFixed(value));
}

// The stored bytes of a key, as far as a value is ever read.
std::optional<std::string_view> IniDocument::storedValue(std::string_view section,
                                                         std::string_view key) const {
  const auto found = sections_.find(FoldedIniName(Utf8ToCp1251(section)));
  if (found == sections_.end()) return std::nullopt;
  const auto keyLine = found->second.keys.find(FoldedIniName(Utf8ToCp1251(key)));
  if (keyLine == found->second.keys.end()) return std::nullopt;
  const IniLine line = IniLineAt(text_, lineBegins_[keyLine->second]);
  const std::string_view value =
      ParseIniLine(std::string_view(text_).substr(line.begin, line.contentEnd - line.begin)).value;
  constexpr std::size_t kLongestValue = 1023;
  std::string_view kept = value.substr(0, kLongestValue);
  // The cut may leave blanks at the end.
  while (!kept.empty() && (kept.back() == ' ' || kept.back() == '\t')) kept.remove_suffix(1);
  return kept;
}

void IniDocument::store(std::string_view sectionName, std::string_view keyName,
                        std::string_view value) {
  const std::string sectionBytes = Utf8ToCp1251(sectionName);
  const std::string keyBytes = Utf8ToCp1251(keyName);
  const std::string keyLine = OneLine(keyBytes + "=" + std::string(value));
  bool indexHolds = ReadsBackAs(keyLine, IniLineKind::Key, keyBytes);

  const auto [found, isNew] = sections_.try_emplace(FoldedIniName(sectionBytes));
  Section& section = found->second;
  if (isNew) {
    const std::string header = OneLine("[" + sectionBytes + "]");
    indexHolds = indexHolds && ReadsBackAs(header, IniLineKind::Section, sectionBytes);
    std::string lines = header;
    lines += kLineEnd;
    lines += keyLine;
    lines += kLineEnd;
    const std::size_t keyBegin = insertLines(text_.size(), lines) + header.size() + kLineEnd.size();
    section.lastLine = indexLine(keyBegin);
    section.keys.emplace(FoldedIniName(keyBytes), indexLine(keyBegin));
  } else if (const auto key = section.keys.find(FoldedIniName(keyBytes));
             key != section.keys.end()) {
    const IniLine line = IniLineAt(text_, lineBegins_[key->second]);
    replaceText(line.begin, line.contentEnd - line.begin, keyLine);
  } else {
    const std::size_t at = IniLineAt(text_, lineBegins_[section.lastLine]).end;
    const std::size_t begin = insertLines(at, keyLine + std::string(kLineEnd));
    lineBegins_[section.lastLine] = begin;
    section.keys.emplace(FoldedIniName(keyBytes), indexLine(begin));
  }
  if (!indexHolds) *this = IniDocument(std::move(text_));
}

std::size_t IniDocument::insertLines(std::size_t at, std::string_view lines) {
  // The line before may lack its line end (the last line of a file), or have only the carriage
  // return of one.
  std::string inserted;
  if (at > 0 && text_[at - 1] != '\n') {
    inserted = text_[at - 1] == '\r' ? kLineEnd.substr(1) : kLineEnd;
  }
  const std::size_t begin = at + inserted.size();
  inserted += lines;
  replaceText(at, 0, inserted);
  return begin;
}

void IniDocument::replaceText(std::size_t at, std::size_t length, std::string_view replacement) {
  text_.replace(at, length, replacement);
  // A replaced line keeps its begin; the line that starts where lines are inserted moves.
  const std::size_t firstMoved = at + length;
  for (std::size_t& begin : lineBegins_) {
    if (begin >= firstMoved) begin = begin + replacement.size() - length;
  }
}

std::size_t IniDocument::indexLine(std::size_t begin) {
  lineBegins_.push_back(begin);
  return lineBegins_.size() - 1;
}

}  // namespace zorkan
