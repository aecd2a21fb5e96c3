#pragma once
// INI text files (dev.dat and profiles): CP1251 on disk, CR LF line ends, section and key names
// matched without regard to letter case, the first of repeated sections or keys counting.
// Lines the accessor does not know (comments, blank lines, foreign keys) stay where they are.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zorkan {

class IniFile {
 public:
  explicit IniFile(std::filesystem::path path);

  const std::filesystem::path& path() const { return path_; }
  // A regular file is there (a directory of that name is none).
  bool exists() const;

  // Every operation opens, reads or rewrites and closes the file by itself, so a sequence of writes
  // that stops half-way leaves a file holding the keys written so far. Texts are UTF-8.

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

  // Each write replaces the whole file atomically (a crash leaves the old or the new content).
  // false: the file system refused the write, the file carries a read-only mark, or it exists
  // but cannot be read (its other keys would be lost). Line breaks in a text become blanks.
  [[nodiscard]] bool writeInteger(std::string_view section, std::string_view key,
                                  std::int32_t value);
  [[nodiscard]] bool writeText(std::string_view section, std::string_view key,
                               std::string_view text);
  // Written in the "%8.4f" form.
  [[nodiscard]] bool writeReal(std::string_view section, std::string_view key, double value);

  // Removes the read-only mark of an existing file; true when there is none afterwards.
  bool clearReadOnly() const;

 private:
  std::filesystem::path path_;
};

// The message an operator sees when a write was refused.
std::string UnableToWriteText(const std::filesystem::path& path);

}  // namespace zorkan
