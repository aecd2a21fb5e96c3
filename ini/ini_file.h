#pragma once
// An INI text file (dev.dat, profiles) bound to its path: CP1251 on disk, CR LF line ends. The
// rules for names and values are those of IniDocument; the file is read whole into a document and
// replaced whole, atomically, by one.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "ini/ini_document.h"

namespace zorkan {

class IniFile {
 public:
  explicit IniFile(std::filesystem::path path);

  const std::filesystem::path& path() const { return path_; }
  // A regular file is there (a directory of that name is none).
  bool exists() const;

  // The file read once; an empty document where no file is. nullopt when something is there that
  // cannot be read (a directory, a pipe, a file without read permission): a replacement would
  // lose what it holds.
  std::optional<IniDocument> readDocument() const;
  // Replaces the file with `document` in one step: whatever happens midway, the file holds its
  // old or its new content. false: the file system refused, or the file carries a read-only mark.
  [[nodiscard]] bool replaceWith(const IniDocument& document) const;

  // One key at a time: each operation reads the file, and each write replaces it, so a sequence
  // of writes that stops half-way leaves a file holding the keys written so far. A file that
  // cannot be read reads as an empty one. Texts are UTF-8.
  std::int32_t readInteger(std::string_view section, std::string_view key,
                           std::int32_t defaultValue) const;
  std::string readText(std::string_view section, std::string_view key,
                       std::string_view defaultText) const;
  void readReal(std::string_view section, std::string_view key, std::string_view defaultText,
                float& setting) const;
  // false: the file system refused the write, the file carries a read-only mark, or it exists
  // but cannot be read (its other keys would be lost).
  [[nodiscard]] bool writeInteger(std::string_view section, std::string_view key,
                                  std::int32_t value);
  [[nodiscard]] bool writeText(std::string_view section, std::string_view key,
                               std::string_view text);
  [[nodiscard]] bool writeReal(std::string_view section, std::string_view key, double value);

  // Removes the read-only mark of an existing file; true when there is none afterwards.
  bool clearReadOnly() const;

 private:
  template <typename Change>
  bool change(Change&& applyTo);

  std::filesystem::path path_;
};

// The message an operator sees when a write was refused.
std::string UnableToWriteText(const std::filesystem::path& path);

}  // namespace zorkan
