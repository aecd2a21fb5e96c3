#include "sim/pty.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "sim/line_speed.h"

namespace zorkan::sim {

namespace {

[[noreturn]] void Fail(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

Pty::Pty() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0) Fail("posix_openpt");
  try {
    if (grantpt(master_) != 0) Fail("grantpt");
    if (unlockpt(master_) != 0) Fail("unlockpt");
    char path[128];
    if (ptsname_r(master_, path, sizeof path) != 0) Fail("ptsname");
    slavePath_ = path;
    // The serving thread waits in poll and must never block in read or write.
    const int flags = fcntl(master_, F_GETFL);
    if (flags < 0 || fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) Fail("fcntl");

    slave_ = open(path, O_RDWR | O_NOCTTY);
    if (slave_ < 0) Fail("open pty slave");
    termios settings{};
    if (tcgetattr(slave_, &settings) != 0) Fail("tcgetattr");
    cfmakeraw(&settings);
    if (tcsetattr(slave_, TCSANOW, &settings) != 0) Fail("tcsetattr");
  } catch (...) {
    if (slave_ >= 0) close(slave_);
    close(master_);
    throw;
  }
}

Pty::~Pty() {
  close(slave_);
  close(master_);
}

std::uint32_t Pty::toolBaudRate() const {
  termios settings{};
  if (tcgetattr(slave_, &settings) != 0) return 0;
  return BaudRateOf(cfgetospeed(&settings));
}

void Pty::discardUnread() const {
  tcflush(slave_, TCIFLUSH);
}

}  // namespace zorkan::sim
