#pragma once
// Where the broker is and how the publisher logs in to it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace zorkan {

constexpr std::uint16_t kMqttPort = 1883;
constexpr std::uint16_t kMqttTlsPort = 8883;

struct BrokerLogin {
  std::string user;  // empty: anonymous
  std::string password;
};

struct BrokerSettings {
  std::string host;
  std::uint16_t port = kMqttPort;
  BrokerLogin login;
  std::filesystem::path caFile;  // empty: no TLS
};

// Empty when `path` is a readable file of PEM certificates, the CA a broker's certificate is
// checked against, else why it is not.
std::string CaFileProblem(const std::filesystem::path& path);

// A login file holds the user name on its first line and the password on its second; an empty
// file logs in anonymously. A password never comes from the command line, where every user of the
// machine can read it. nullopt, with the reason in `error`, when the file cannot be read.
std::optional<BrokerLogin> ReadBrokerLogin(const std::filesystem::path& path, std::string& error);

// What to do about a login file that users other than its owner may read; empty when they may not.
// Such a file is still used: the service must not stop over it.
std::string ExposedLoginWarning(const std::filesystem::path& path);

}  // namespace zorkan
