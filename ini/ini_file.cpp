#include "ini/ini_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <utility>

#include "ini/atomic_file.h"
#include "ini/file_bytes.h"

namespace zorkan {

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {}

bool IniFile::exists() const {
  std::error_code error;
  return std::filesystem::is_regular_file(path_, error);
}

std::optional<IniDocument> IniFile::readDocument() const {
  std::string bytes;
  if (ReadRegularFile(path_, bytes) == FileRead::Unreadable) return std::nullopt;
  return IniDocument(std::move(bytes));
}

bool IniFile::replaceWith(const IniDocument& document) const {
  return ReplaceFileAtomically(path_, document.bytes());
}

std::int32_t IniFile::readInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const {
  return readDocument().value_or(IniDocument()).readInteger(section, key, defaultValue);
}

std::string IniFile::readText(std::string_view section, std::string_view key,
                              std::string_view defaultText) const {
  return readDocument().value_or(IniDocument()).readText(section, key, defaultText);
}

void IniFile::readReal(std::string_view section, std::string_view key, std::string_view defaultText,
                       float& setting) const {
  readDocument().value_or(IniDocument()).readReal(section, key, defaultText, setting);
}

template <typename Change>
bool IniFile::change(Change&& applyTo) {
  std::optional<IniDocument> document = readDocument();
  if (!document) return false;
  applyTo(*document);
  return replaceWith(*document);
}

bool IniFile::writeInteger(std::string_view section, std::string_view key, std::int32_t value) {
  return change([&](IniDocument& document) { document.writeInteger(section, key, value); });
}

bool IniFile::writeText(std::string_view section, std::string_view key, std::string_view text) {
  return change([&](IniDocument& document) { document.writeText(section, key, text); });
}

bool IniFile::writeReal(std::string_view section, std::string_view key, double value) {
  return change([&](IniDocument& document) { document.writeReal(section, key, value); });
}

bool IniFile::clearReadOnly() const {
  struct stat status {};
  if (::stat(path_.c_str(), &status) != 0) return errno == ENOENT;
  if ((status.st_mode & 0222) != 0) return true;
  return ::chmod(path_.c_str(), (status.st_mode & 0777) | S_IWUSR) == 0;
}

std::string UnableToWriteText(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(path, error);
  return "Unable to write to " + (error ? path : full).string();
}

}  // namespace zorkan
