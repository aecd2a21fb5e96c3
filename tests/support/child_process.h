#pragma once
// A child process for tests, killed and reaped whatever way the test ends.

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace zorkan::testing {

class ChildProcess {
 public:
  // Runs `program` with `args` in `workDir` (empty: the test's own); its stdout and stderr are
  // kept for the test.
  ChildProcess(const std::string& program, const std::vector<std::string>& args,
               const std::string& workDir = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // The first line the child printed, or nullopt if none came in time.
  std::optional<std::string> readLine(std::chrono::milliseconds timeout);
  // The same of its standard error.
  std::optional<std::string> readErrorLine(std::chrono::milliseconds timeout);
  void signal(int number);
  int pid() const { return pid_; }
  // The exit status once the child has exited normally, nullopt on a time-out or a crash.
  std::optional<int> waitForExit(std::chrono::milliseconds timeout);
  // What the child wrote to stdout since the last readLine, or to stderr since the last
  // readErrorLine; read after it exited.
  std::string output();
  std::string errorOutput();

 private:
  int pid_ = -1;
  int stdout_ = -1;
  int stderr_ = -1;
  bool reaped_ = false;
  std::string output_;
  std::string errorOutput_;
};

}  // namespace zorkan::testing
