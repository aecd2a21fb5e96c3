#include "cli/console.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>

namespace zorkan::cli {

namespace {

// Set by the handler on whichever thread the signal lands (the publisher runs network threads),
// and read and cleared in one step: a signal between a separate read and clear would be lost.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler sets it");

extern "C" void NoteInterrupt(int) {
  interrupted.store(true);
}

}  // namespace

DialogAnswer ConsoleDialogs::ask(const DialogMessage& message) {
  std::fprintf(stderr, "%s: %s\n", message.caption.c_str(), message.text.c_str());
  if (message.buttons == DialogButtons::Ok) return DialogAnswer::Ok;
  std::fprintf(stderr, "  -> %s\n", answerYes_ ? "yes" : "no");
  return answerYes_ ? DialogAnswer::Yes : DialogAnswer::No;
}

ConsoleProgressPanel::ConsoleProgressPanel(CancelLatch& latch)
    : latch_(latch), toTerminal_(isatty(STDERR_FILENO) != 0) {}

void ConsoleProgressPanel::processPendingEvents() {
  if (toTerminal_) {
    const std::string& heading = lines_[1];
    std::fprintf(stderr, "%s%s%s\n", heading.c_str(), heading.empty() ? "" : ": ",
                 lines_[2].c_str());
  }
  if (InterruptRequested()) latch_.press();
}

void CatchInterrupts() {
  struct sigaction action {};
  action.sa_handler = NoteInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  // A service manager stops a program this way; it ends as Ctrl+C ends it.
  sigaction(SIGTERM, &action, nullptr);
}

bool InterruptRequested() {
  return interrupted.exchange(false);
}

}  // namespace zorkan::cli
