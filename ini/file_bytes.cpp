#include "ini/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zorkan {

FileRead ReadRegularFile(const std::filesystem::path& path, std::string& bytes,
                         SymbolicLinks links) {
  bytes.clear();
  const int noFollow = links == SymbolicLinks::Refused ? O_NOFOLLOW : 0;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | noFollow);
  if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : FileRead::Unreadable;
  FileRead state = FileRead::Unreadable;
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
        if (count == 0) state = FileRead::Read;
        break;
      }
      length += static_cast<std::size_t>(count);
    }
    bytes.resize(state == FileRead::Read ? length : 0);
  }
  ::close(fd);
  return state;
}

}  // namespace zorkan
