#include "link/port_lock_file.h"

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iterator>
#include <system_error>
#include <vector>

namespace zorkan {

namespace {

// The folders QSerialPort (Qt 6 on Unix) looks in, in its order, before the temporary folder.
constexpr const char* kLockFolders[] = {
    "/var/lock", "/etc/locks", "/var/spool/locks",  "/var/spool/uucp",
    "/tmp",      "/var/tmp",   "/var/lock/lockdev", "/run/lock",
};

// Where QSerialPort puts the file: in the first of its folders that it may read, and that holds
// the file already or may be written.
std::filesystem::path LockFilePath(const std::string& portName) {
  std::string name = "LCK.." + portName;
  std::replace(name.begin(), name.end(), '/', '_');
  std::vector<std::filesystem::path> folders(std::begin(kLockFolders), std::end(kLockFolders));
  std::error_code error;
  folders.push_back(std::filesystem::temp_directory_path(error));
  for (const std::filesystem::path& folder : folders) {
    if (folder.empty() || ::access(folder.c_str(), R_OK) != 0) continue;
    const std::filesystem::path path = folder / name;
    if (::access(path.c_str(), F_OK) == 0 || ::access(folder.c_str(), W_OK) == 0) return path;
  }
  return {};
}

// Qt's own lock files and those of other programs begin with the owner's process number, some
// after blanks.
bool NamesAProcess(int fd) {
  char start[32];
  const ssize_t count = ::pread(fd, start, sizeof start, 0);
  if (count <= 0) return false;
  const char* const begin = start;
  const char* const end = begin + count;
  const char* const number =
      std::find_if(begin, end, [](unsigned char c) { return c != ' ' && c != '\t'; });
  return number != end && std::isdigit(static_cast<unsigned char>(*number)) != 0;
}

}  // namespace

void RemoveOrphanedPortLockFile(const std::string& portName) {
  const std::filesystem::path path = LockFilePath(portName);
  if (path.empty()) return;
  // Never through a link, never waiting on whatever else is there.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  struct stat opened {};
  struct stat named {};
  if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && !NamesAProcess(fd) &&
      ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.c_str(), &named) == 0 &&
      named.st_ino == opened.st_ino && named.st_dev == opened.st_dev) {
    // Still the file that was found to be orphaned, not one a new owner has made since.
    ::unlink(path.c_str());
  }
  ::close(fd);
}

}  // namespace zorkan
