#include "ini/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "ini/ini_file.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

mode_t ModeOf(const std::filesystem::path& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
  return status.st_mode & 0777;
}

// Runs `write` in a child process prepared by `prepare`; the child's verdict comes back.
bool WriteInChild(const std::function<void()>& prepare, const std::function<bool()>& write) {
  const pid_t child = ::fork();
  if (child == 0) {
    prepare();
    ::_exit(write() ? 1 : 0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status));
  return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

// A refused write leaves the file as it was and no temporary beside it.
void ExpectUntouched(const ScratchFolder& folder, const std::vector<std::string>& entries,
                     const std::filesystem::path& path, std::string_view content) {
  EXPECT_EQ(folder.entries(), entries);
  EXPECT_EQ(ReadBytes(path), content);
}

TEST(AtomicReplace, RefusedWhereNothingCanBeWritten) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "profile.prf");
  EXPECT_FALSE(IniFile(folder / "missing" / "a.prf").writeInteger("S", "k", 1));
  EXPECT_FALSE(IniFile(folder / "profile.prf").writeInteger("S", "k", 1));
  EXPECT_FALSE(ReplaceFileAtomically(folder / "profile.prf", "x"));
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"profile.prf"});
  EXPECT_TRUE(std::filesystem::is_empty(folder / "profile.prf"));
}

// Root passes every permission check; the mark must hold all the same.
TEST(AtomicReplace, ReadOnlyMarkRefusesWrite) {
  ScratchFolder folder;
  const auto path = folder / "a.prf";
  for (const mode_t mode : {0444, 0000}) {
    WriteBytes(path, "[S]\r\nk=1\r\n");
    ::chmod(path.c_str(), mode);
    IniFile ini(path);
    EXPECT_FALSE(ini.writeInteger("S", "k", 2)) << mode;
    ExpectUntouched(folder, {"a.prf"}, path, "[S]\r\nk=1\r\n");
    EXPECT_EQ(ModeOf(path), mode);

    EXPECT_TRUE(ini.clearReadOnly());
    EXPECT_EQ(ModeOf(path), mode | 0200);
    EXPECT_TRUE(ini.writeInteger("S", "k", 2));
    EXPECT_EQ(ini.readInteger("S", "k", 0), 2);
    EXPECT_EQ(ModeOf(path), mode | 0200);
  }
  EXPECT_TRUE(IniFile(folder / "missing.prf").clearReadOnly());
}

// A rename needs only the folder's permission: the file's own must be asked for.
TEST(AtomicReplace, PermissionsOfAnotherUserHold) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  ScratchFolder folder;
  ::chmod(folder.path().c_str(), 0777);
  const auto path = folder / "a.prf";
  WriteBytes(path, "[S]\r\nk=1\r\n");
  ::chmod(path.c_str(), 0644);
  std::filesystem::create_directory(folder / "closed");
  ::chmod((folder / "closed").c_str(), 0555);
  const auto asNobody = [] {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
  };
  EXPECT_FALSE(WriteInChild(asNobody, [&] { return IniFile(path).writeInteger("S", "k", 2); }));
  EXPECT_FALSE(WriteInChild(
      asNobody, [&] { return IniFile(folder / "closed" / "b.prf").writeInteger("S", "k", 2); }));
  // Writable but not readable: a rewrite would lose every other key.
  const auto writeOnly = folder / "w.prf";
  WriteBytes(writeOnly, "[S]\r\nk=1\r\nother=3\r\n");
  ::chmod(writeOnly.c_str(), 0200);
  ASSERT_EQ(::chown(writeOnly.c_str(), 65534, 65534), 0);
  EXPECT_FALSE(
      WriteInChild(asNobody, [&] { return IniFile(writeOnly).writeInteger("S", "k", 2); }));
  EXPECT_EQ(ReadBytes(writeOnly), "[S]\r\nk=1\r\nother=3\r\n");

  ExpectUntouched(folder, {"a.prf", "closed", "w.prf"}, path, "[S]\r\nk=1\r\n");
  EXPECT_TRUE(std::filesystem::is_empty(folder / "closed"));
}

// A file size limit fails the write half-way, as a full disk does.
TEST(AtomicReplace, FailedWriteKeepsOldFile) {
  ScratchFolder folder;
  const auto path = folder / "a.prf";
  const std::string old = "[S]\r\nk=1\r\n";
  WriteBytes(path, old);
  const auto limitSize = [] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  };
  EXPECT_FALSE(WriteInChild(
      limitSize, [&] { return IniFile(path).writeText("S", "k", std::string(10000, 'x')); }));
  ExpectUntouched(folder, {"a.prf"}, path, old);
  EXPECT_TRUE(WriteInChild(limitSize, [&] { return IniFile(path).writeText("S", "k", "y"); }));
  EXPECT_EQ(ReadBytes(path), "[S]\r\nk=y\r\n");
}

TEST(AtomicReplace, PermissionsKeptAndNewFilesFollowUmask) {
  ScratchFolder folder;
  const auto path = folder / "a.prf";
  WriteBytes(path, "");
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(ReplaceFileAtomically(path, "x"));
  EXPECT_EQ(ModeOf(path), 0640u);

  const mode_t saved = ::umask(027);
  const bool written = ReplaceFileAtomically(folder / "new.prf", "y");
  ::umask(saved);
  ASSERT_TRUE(written);
  EXPECT_EQ(ModeOf(folder / "new.prf"), 0640u);
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"a.prf", "new.prf"}));
}

// Through links, also chains of them and one to a file not yet there, the file they name is
// written; a loop of links is refused and stays.
TEST(AtomicReplace, SymbolicLinkStaysLink) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "real");
  WriteBytes(folder / "real" / "a.prf", "old");
  std::filesystem::create_symlink("real/a.prf", folder / "link.prf");
  ASSERT_TRUE(ReplaceFileAtomically(folder / "link.prf", "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.prf"));
  EXPECT_EQ(ReadBytes(folder / "real" / "a.prf"), "new");

  std::filesystem::create_symlink("../link.prf", folder / "real" / "chain.prf");
  std::filesystem::create_symlink(folder / "real" / "b.prf", folder / "dangling.prf");
  ASSERT_TRUE(ReplaceFileAtomically(folder / "real" / "chain.prf", "newer"));
  ASSERT_TRUE(ReplaceFileAtomically(folder / "dangling.prf", "created"));
  EXPECT_EQ(ReadBytes(folder / "real" / "a.prf"), "newer");
  EXPECT_EQ(ReadBytes(folder / "real" / "b.prf"), "created");
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "real" / "chain.prf"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "dangling.prf"));

  std::filesystem::create_symlink("loop.prf", folder / "loop.prf");
  EXPECT_FALSE(ReplaceFileAtomically(folder / "loop.prf", "x"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "loop.prf"));
  EXPECT_EQ(folder.entries(),
            (std::vector<std::string>{"dangling.prf", "link.prf", "loop.prf", "real"}));
}

// Two writers choosing one new name must not lose a file: a name that is taken stays as it was.
TEST(AtomicCreate, TakenNameRefusedNewFileWholeWithItsPermissions) {
  ScratchFolder folder;
  const auto taken = folder / "taken.prf";
  WriteBytes(taken, "first");
  EXPECT_EQ(CreateFileAtomically(taken, "second", std::filesystem::perms::owner_all),
            std::errc::file_exists);
  EXPECT_EQ(ReadBytes(taken), "first");

  const auto created = folder / "created.prf";
  EXPECT_FALSE(CreateFileAtomically(created, "new", std::filesystem::perms::owner_read));
  EXPECT_EQ(ReadBytes(created), "new");
  EXPECT_EQ(ModeOf(created), 0400u);
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"created.prf", "taken.prf"}));
}

TEST(AtomicReplace, MessageNamesFullPath) {
  EXPECT_EQ(UnableToWriteText("sub/a.prf"),
            "Unable to write to " + (std::filesystem::current_path() / "sub/a.prf").string());
  EXPECT_EQ(UnableToWriteText("/x/recent.prf"), "Unable to write to /x/recent.prf");
}

}  // namespace
}  // namespace zorkan
