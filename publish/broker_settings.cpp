#include "publish/broker_settings.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace zorkan {

namespace {

// A login file is a few dozen bytes; anything much larger is the wrong file.
constexpr std::uintmax_t kLongestLoginFile = 4096;

std::string LineOf(std::istream& text) {
  std::string line;
  std::getline(text, line);
  if (line.ends_with('\r')) line.pop_back();
  return line;
}

}  // namespace

std::string UnreadableReason(const std::filesystem::path& path) {
  std::error_code code;
  const std::filesystem::file_status status = std::filesystem::status(path, code);
  if (code) return code.message();
  if (!std::filesystem::is_regular_file(status)) return "not a regular file";
  if (!std::ifstream(path, std::ios::binary).is_open()) {
    return std::error_code(errno, std::generic_category()).message();
  }
  return {};
}

std::optional<BrokerLogin> ReadBrokerLogin(const std::filesystem::path& path, std::string& error) {
  error = UnreadableReason(path);
  std::error_code code;
  if (error.empty() && std::filesystem::file_size(path, code) > kLongestLoginFile) {
    error = "too long for a login file";
  }
  if (!error.empty()) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  BrokerLogin login;
  login.user = LineOf(file);
  login.password = LineOf(file);
  if (file.bad()) {
    error = "cannot be read";
    return std::nullopt;
  }
  return login;
}

}  // namespace zorkan
