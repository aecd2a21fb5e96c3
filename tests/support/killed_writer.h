#pragma once
// A writer killed at a chosen moment, for tests of files that must survive it.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace zorkan::testing {

// Forks a child that calls write(0), write(1), ... until it is killed; once the first call has
// returned, waits `delay`, kills the child and reaps it. false when the child could not be started
// or stopped by itself (a write returned false).
template <typename Write>
bool KillWhileWriting(std::chrono::microseconds delay, Write write) {
  int ready[2];
  if (::pipe(ready) != 0) return false;
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    ::alarm(60);  // never outlives a parent that died
    ::close(ready[0]);
    for (unsigned i = 0;; ++i) {
      if (!write(i)) ::_exit(1);
      if (i == 0) (void)!::write(ready[1], "x", 1);
    }
  }
  ::close(ready[1]);
  char byte = 0;
  const bool started = ::read(ready[0], &byte, 1) == 1;
  ::close(ready[0]);
  std::this_thread::sleep_for(delay);
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  return started && WIFSIGNALED(status);
}

}  // namespace zorkan::testing
