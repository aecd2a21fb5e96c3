#include "ini/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "ini/atomic_file.h"
#include "ini/cp1251.h"
#include "ini/ini_text.h"
#include "ini/number_text.h"

namespace zorkan {

namespace {

enum class FileState { Read, Missing, Unreadable };

// Anything but a regular file (a directory, a pipe, a device) counts as unreadable: reading a
// pipe or a device could block or never end.
FileState ReadFileBytes(const std::filesystem::path& path, std::string& bytes) {
  bytes.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    return errno == ENOENT || errno == ENOTDIR ? FileState::Missing : FileState::Unreadable;
  }
  FileState state = FileState::Unreadable;
  struct stat status {};
  if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
    // The size only sizes the buffer: the file may change while it is read.
    std::size_t length = 0;
    bytes.resize(static_cast<std::size_t>(status.st_size) + 1);
    for (;;) {
      if (length == bytes.size()) bytes.resize(2 * bytes.size());
      const ssize_t count = ::read(fd, bytes.data() + length, bytes.size() - length);
      if (count < 0 && errno == EINTR) continue;
      if (count <= 0) {
        if (count == 0) state = FileState::Read;
        break;
      }
      length += static_cast<std::size_t>(count);
    }
    bytes.resize(state == FileState::Read ? length : 0);
  }
  ::close(fd);
  return state;
}

// The stored bytes of a key, as far as a value is ever read.
std::optional<std::string> StoredValue(const std::filesystem::path& path, std::string_view section,
                                       std::string_view key) {
  std::string bytes;
  if (ReadFileBytes(path, bytes) != FileState::Read) return std::nullopt;
  const auto value = FindIniValue(bytes, Utf8ToCp1251(section), Utf8ToCp1251(key));
  if (!value) return std::nullopt;
  constexpr std::size_t kLongestValue = 1023;
  std::string_view kept = value->substr(0, kLongestValue);
  // The cut may leave blanks at the end.
  while (!kept.empty() && (kept.back() == ' ' || kept.back() == '\t')) kept.remove_suffix(1);
  return std::string(kept);
}

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

bool StoreValue(const std::filesystem::path& path, std::string_view section, std::string_view key,
                std::string_view valueBytes) {
  std::string bytes;
  // A file that exists but cannot be read would lose its other keys.
  if (ReadFileBytes(path, bytes) == FileState::Unreadable) return false;
  return ReplaceFileAtomically(
      path, SetIniValue(bytes, Utf8ToCp1251(section), Utf8ToCp1251(key), valueBytes));
}

}  // namespace

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {}

bool IniFile::exists() const {
  std::error_code error;
  return std::filesystem::is_regular_file(path_, error);
}

std::int32_t IniFile::readInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const {
  const auto value = StoredValue(path_, section, key);
  if (!value) return defaultValue;
  return ParseInteger(*value).value_or(defaultValue);
}

std::string IniFile::readText(std::string_view section, std::string_view key,
                              std::string_view defaultText) const {
  const auto value = StoredValue(path_, section, key);
  if (!value) return std::string(defaultText);
  return Cp1251ToUtf8(*value);
}

void IniFile::readReal(std::string_view section, std::string_view key, std::string_view defaultText,
                       float& setting) const {
  const auto value = StoredValue(path_, section, key);
  constexpr std::size_t kScannedLength = 16;
  const auto number =
      ScanDecimal(std::string_view(value ? *value : defaultText).substr(0, kScannedLength));
  // A number beyond single precision has no setting to give either.
  if (!number || std::abs(*number) > std::numeric_limits<float>::max()) return;
  setting = static_cast<float>(*number);
}

bool IniFile::writeInteger(std::string_view section, std::string_view key, std::int32_t value) {
  return StoreValue(path_, section, key, std::to_string(value));
}

bool IniFile::writeText(std::string_view section, std::string_view key, std::string_view text) {
  return StoreValue(path_, section, key, Utf8ToCp1251(text));
}

bool IniFile::writeReal(std::string_view section, std::string_view key, double value) {
  return StoreValue(path_, section, key, FormatFixed(value));
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
