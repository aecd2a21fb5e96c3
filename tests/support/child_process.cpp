#include "tests/support/child_process.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>
#include <utility>

extern char** environ;

namespace zorkan::testing {

namespace {

std::string ReadAll(int fd) {
  std::string text;
  char buffer[256];
  ssize_t count = 0;
  while ((count = read(fd, buffer, sizeof buffer)) > 0) {
    text.append(buffer, static_cast<std::size_t>(count));
  }
  return text;
}

// The first line of `kept` and what `fd` brings within `timeout`; the rest stays in `kept`.
std::optional<std::string> ReadLine(int fd, std::string& kept, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (const auto end = kept.find('\n'); end != std::string::npos) {
      std::string line = kept.substr(0, end);
      kept.erase(0, end + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd ready{fd, POLLIN, 0};
    if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count()) + 1) <= 0) {
      return std::nullopt;
    }
    char buffer[256];
    const ssize_t count = read(fd, buffer, sizeof buffer);
    if (count <= 0) return std::nullopt;
    kept.append(buffer, static_cast<std::size_t>(count));
  }
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args,
                           const std::string& workDir) {
  int out[2];
  int err[2];
  if (pipe(out) != 0 || pipe(err) != 0) {
    throw std::system_error(errno, std::generic_category(), "pipe");
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, err[0]);
  if (!workDir.empty()) posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  const int failed = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  close(err[1]);
  stdout_ = out[0];
  stderr_ = err[0];
  if (failed != 0) {
    close(stdout_);
    close(stderr_);
    throw std::system_error(failed, std::generic_category(), "posix_spawn " + program);
  }
}

ChildProcess::~ChildProcess() {
  if (!reaped_) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  close(stdout_);
  close(stderr_);
}

std::optional<std::string> ChildProcess::readLine(std::chrono::milliseconds timeout) {
  return ReadLine(stdout_, output_, timeout);
}

std::optional<std::string> ChildProcess::readErrorLine(std::chrono::milliseconds timeout) {
  return ReadLine(stderr_, errorOutput_, timeout);
}

void ChildProcess::signal(int number) {
  kill(pid_, number);
}

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  int status = 0;
  while (waitpid(pid_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  reaped_ = true;
  if (!WIFEXITED(status)) return std::nullopt;
  return WEXITSTATUS(status);
}

std::string ChildProcess::output() {
  return std::exchange(output_, {}) + ReadAll(stdout_);
}

std::string ChildProcess::errorOutput() {
  return std::exchange(errorOutput_, {}) + ReadAll(stderr_);
}

}  // namespace zorkan::testing
