#include "ini/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <random>
#include <string>

namespace zorkan {

namespace {

struct TemporaryFile {
  int fd = -1;
  std::filesystem::path path;
};

// The temporary sits beside the file (a rename does not cross file systems) under a name that
// shows what it belongs to, so that one left by a killed process can be recognised.
TemporaryFile CreateTemporary(const std::filesystem::path& target) {
  std::minstd_rand generator(
      static_cast<unsigned>(getpid()) ^
      static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
  constexpr std::string_view kLetters =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  // Short enough that the temporary's name stays within the file system's limit.
  const std::string name = target.filename().string().substr(0, 200);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string suffix(6, ' ');
    for (char& c : suffix) c = kLetters[generator() % kLetters.size()];
    TemporaryFile temporary{-1, target.parent_path() / ("." + name + ".tmp-" + suffix)};
    // Created the way a plain fopen would create it, so a new file gets 0666 less the umask.
    temporary.fd = ::open(temporary.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (temporary.fd >= 0 || errno != EEXIST) return temporary;
  }
  return {};
}

// The file `path` names once symbolic links are followed, even one that does not exist yet, so
// that a link stays a link and the file it points to is replaced or created. A loop of links comes
// back as a link, which the stat that follows refuses.
std::filesystem::path LinkedFile(std::filesystem::path path) {
  constexpr int kMostLinks = 40;  // as many as the kernel follows
  for (int link = 0; link < kMostLinks; ++link) {
    std::error_code error;
    const std::filesystem::path next = std::filesystem::read_symlink(path, error);
    if (error) break;
    // An absolute link target replaces the folder.
    path = path.parent_path() / next;
  }
  return path;
}

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view content) {
  const std::filesystem::path target = LinkedFile(path);

  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (!replacing && errno != ENOENT) return false;
  if (replacing) {
    if (!S_ISREG(old.st_mode)) return false;
    // A rename would replace a file that its permissions protect, and root passes every
    // permission check: the mode bits themselves decide.
    if ((old.st_mode & 0222) == 0) return false;
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return false;
  }

  // No fsync: the rename alone keeps a killed process from leaving a part of the file, and
  // ext4 (auto_da_alloc) writes the data out before a rename over an existing file commits.
  // Syncing each key tripled the cost of a profile save (about 0.38 ms a key against 0.14).
  TemporaryFile temporary = CreateTemporary(target);
  if (temporary.fd < 0) return false;
  bool written = WriteAll(temporary.fd, content) &&
                 (!replacing || ::fchmod(temporary.fd, old.st_mode & 0777) == 0);
  written = ::close(temporary.fd) == 0 && written;
  if (written && ::rename(temporary.path.c_str(), target.c_str()) == 0) return true;
  ::unlink(temporary.path.c_str());
  return false;
}

std::error_code CreateFileAtomically(const std::filesystem::path& path, std::string_view content,
                                     std::filesystem::perms permissions) {
  const auto failure = [] { return std::error_code(errno, std::generic_category()); };
  TemporaryFile temporary = CreateTemporary(path);
  if (temporary.fd < 0) return failure();
  std::error_code error;
  if (!WriteAll(temporary.fd, content) ||
      ::fchmod(temporary.fd, static_cast<mode_t>(permissions)) != 0) {
    error = failure();
  }
  if (::close(temporary.fd) != 0 && !error) error = failure();
  // A link, unlike a rename, refuses a name that is taken.
  if (!error && ::link(temporary.path.c_str(), path.c_str()) != 0) error = failure();
  ::unlink(temporary.path.c_str());
  return error;
}

}  // namespace zorkan
