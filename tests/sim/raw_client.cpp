#include "raw_client.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "sim/line_speed.h"

namespace zorkan::sim::testing {

RawClient::RawClient(const std::string& path, std::uint32_t baudRate) {
  fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd_ < 0) throw std::system_error(errno, std::generic_category(), "open " + path);
  termios settings{};
  tcgetattr(fd_, &settings);
  cfmakeraw(&settings);
  cfsetspeed(&settings, TermiosSpeedOf(baudRate));
  tcsetattr(fd_, TCSANOW, &settings);
}

RawClient::~RawClient() {
  close(fd_);
}

void RawClient::send(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd_, bytes.data(), bytes.size());
    if (written < 0) throw std::system_error(errno, std::generic_category(), "write");
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

std::string RawClient::readAnswer(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (const auto end = leftover_.find('\r'); end != std::string::npos) {
      std::string answer = leftover_.substr(0, end + 1);
      leftover_.erase(0, end + 1);
      return answer;
    }
    if (!receive(deadline)) return std::exchange(leftover_, {});
  }
}

std::string RawClient::readFor(std::chrono::milliseconds duration) {
  const auto deadline = std::chrono::steady_clock::now() + duration;
  while (receive(deadline)) {
  }
  return std::exchange(leftover_, {});
}

bool RawClient::receive(std::chrono::steady_clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      deadline - std::chrono::steady_clock::now());
  if (left.count() <= 0) return false;
  pollfd fd{fd_, POLLIN, 0};
  if (poll(&fd, 1, static_cast<int>(left.count()) + 1) > 0) {
    char buffer[256];
    const ssize_t count = read(fd_, buffer, sizeof buffer);
    if (count > 0) leftover_.append(buffer, static_cast<std::size_t>(count));
  }
  return true;
}

}  // namespace zorkan::sim::testing
