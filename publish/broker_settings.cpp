#include "publish/broker_settings.h"

#include <openssl/err.h>
#include <openssl/x509.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <memory>
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

// Empty when `path` is a regular file that can be opened for reading, else why it is not.
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

}  // namespace

std::string CaFileProblem(const std::filesystem::path& path) {
  if (std::string reason = UnreadableReason(path); !reason.empty()) return reason;
  // Loaded as the TLS library loads it when it connects, so that what passes here passes there.
  const std::unique_ptr<X509_STORE, decltype(&X509_STORE_free)> store(X509_STORE_new(),
                                                                      &X509_STORE_free);
  ERR_clear_error();
  if (!store || X509_STORE_load_file(store.get(), path.c_str()) != 1) {
    const char* reason = ERR_reason_error_string(ERR_get_error());
    ERR_clear_error();
    return std::string("is not a PEM certificate") +
           (reason != nullptr ? std::string(" (") + reason + ")" : "");
  }
  // Revocation lists load too, and vouch for no broker.
  const STACK_OF(X509_OBJECT)* objects = X509_STORE_get0_objects(store.get());
  for (int i = 0; i < sk_X509_OBJECT_num(objects); ++i) {
    if (X509_OBJECT_get_type(sk_X509_OBJECT_value(objects, i)) == X509_LU_X509) return {};
  }
  return "is not a PEM certificate (it holds revocation lists only)";
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

std::string ExposedLoginWarning(const std::filesystem::path& path) {
  using std::filesystem::perms;
  std::error_code code;
  const perms mode = std::filesystem::status(path, code).permissions();
  if (code || (mode & (perms::group_read | perms::others_read)) == perms::none) return {};
  char octal[8];
  std::snprintf(octal, sizeof octal, "%04o", static_cast<unsigned>(mode & perms::mask));
  return std::string("other users of this machine can read the password (mode ") + octal +
         "): make the file readable by its owner alone (chmod 600)";
}

}  // namespace zorkan
