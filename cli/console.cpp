#include "cli/console.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>

namespace zorkan::cli {

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void NoteInterrupt(int) {
  interrupted = 1;
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
  sigaction(SIGTERM, &action, nullptr);
}

bool InterruptRequested() {
  const bool requested = interrupted != 0;
  interrupted = 0;
  return requested;
}

}  // namespace zorkan::cli
