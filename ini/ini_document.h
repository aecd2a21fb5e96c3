#pragma once
// An INI text in memory (dev.dat, profiles): parsed once, with an index for its lookups, and
// changed key by key exactly as the same writes to the file one after another would change it.
// CP1251 bytes inside, UTF-8 names and texts at the interface; section and key names matched
// without regard to letter case, the first of repeated sections or keys counting. Lines the
// document does not know (comments, blank lines, junk, foreign keys) stay where they are.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zorkan {

class IniDocument {
 public:
  IniDocument() = default;
  // The bytes of a file, CR LF or other line ends.
  explicit IniDocument(std::string bytes);

  const std::string& bytes() const { return text_; }

  // A section of that name is there, if only its header.
  bool hasSection(std::string_view section) const;
  // A key of that name is there in the section, if only with an empty value.
  bool hasKey(std::string_view section, std::string_view key) const;

  // Decimal, or hexadecimal after "0x", "0X" or "$"; a missing key or a text that does not convert
  // gives the default.
  std::int32_t readInteger(std::string_view section, std::string_view key,
                           std::int32_t defaultValue) const;
  // Blanks at both ends dropped, at most 1023 characters; a present but empty key gives "".
  std::string readText(std::string_view section, std::string_view key,
                       std::string_view defaultText) const;
  // The value (or `defaultText` when the key is missing) cut to 16 characters and scanned as a
  // decimal number; a text without a number, or with one beyond single precision, leaves
  // `setting` as it was.
  void readReal(std::string_view section, std::string_view key, std::string_view defaultText,
                float& setting) const;

  // An existing key line is replaced where it stands, a new key follows the last non-blank line
  // of its section, a new section goes to the end. Line breaks in a text become blanks, so that a
  // value cannot start lines of its own.
  void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
  void writeText(std::string_view section, std::string_view key, std::string_view text);
  // Written in the "%8.4f" form.
  void writeReal(std::string_view section, std::string_view key, double value);

 private:
  struct Section {
    std::size_t lastLine = 0;  // its last non-blank line, the header at least
    std::unordered_map<std::string, std::size_t> keys;  // by folded name
  };

  std::optional<std::string_view> storedValue(std::string_view section, std::string_view key) const;
  void store(std::string_view section, std::string_view key, std::string_view value);
  // Inserts whole lines at `at`, a line end or the end of the text; returns where they begin.
  std::size_t insertLines(std::size_t at, std::string_view lines);
  void replaceText(std::size_t at, std::size_t length, std::string_view replacement);
  std::size_t indexLine(std::size_t begin);

  std::string text_;
  // Where each indexed line begins (sections and keys refer to lines by their place here); a
  // change of the text moves the begins that follow it.
  std::vector<std::size_t> lineBegins_;
  std::unordered_map<std::string, Section> sections_;  // by folded name
};

}  // namespace zorkan
