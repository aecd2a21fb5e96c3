#include "tests/support/local_broker.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace zorkan::testing {

namespace {

using namespace std::chrono_literals;

constexpr auto kStartWait = 20s;
constexpr const char* kBrokerProgram = "/usr/sbin/mosquitto";

sockaddr_in Loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

// A port the kernel has just found free; the broker takes it a moment later.
int FreeLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(0);
  socklen_t length = sizeof address;
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    if (fd >= 0) ::close(fd);
    throw std::runtime_error("no free loopback port");
  }
  ::close(fd);
  return ntohs(address.sin_port);
}

bool Accepts(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  const sockaddr_in address = Loopback(port);
  const bool accepted =
      fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  if (fd >= 0) ::close(fd);
  return accepted;
}

}  // namespace

LocalBroker::LocalBroker(const std::filesystem::path& folder, const std::string& access)
    : configuration_(folder / "mosquitto.conf"), port_(FreeLoopbackPort()) {
  // Run as root, the broker drops to its own user, which must still read what it is given.
  std::filesystem::permissions(folder, std::filesystem::perms::owner_all |
                                           std::filesystem::perms::group_exec |
                                           std::filesystem::perms::others_exec);
  std::ofstream(configuration_) << "listener " << port_ << " 127.0.0.1\n"
                                << "persistence false\n"
                                << "log_dest none\n"
                                // What an answer waits for otherwise is the acknowledgement of
                                // the broker's last message: tens of milliseconds each.
                                << "set_tcp_nodelay true\n"
                                << access;
  start();
}

LocalBroker::~LocalBroker() {
  stop();
}

std::string LocalBroker::address() const {
  return "127.0.0.1:" + std::to_string(port_);
}

void LocalBroker::stop() {
  if (!process_) return;
  process_->signal(SIGTERM);
  process_->signal(SIGCONT);  // a frozen broker hears the stop only once thawed
  process_->waitForExit(kStartWait);
  process_.reset();
}

void LocalBroker::start() {
  process_ = std::make_unique<ChildProcess>(kBrokerProgram,
                                            std::vector<std::string>{"-c", configuration_});
  const auto deadline = std::chrono::steady_clock::now() + kStartWait;
  while (!Accepts(port_)) {
    if (std::chrono::steady_clock::now() > deadline) {
      throw std::runtime_error("the broker did not come up: " + process_->errorOutput());
    }
    std::this_thread::sleep_for(20ms);
  }
}

void LocalBroker::freeze() {
  process_->signal(SIGSTOP);
}

void LocalBroker::thaw() {
  process_->signal(SIGCONT);
}

long ResidentKiB(const std::string& pid) {
  std::ifstream status("/proc/" + pid + "/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmRSS:") {
      status >> value;
      return value;
    }
  }
  return 0;
}

}  // namespace zorkan::testing
