#include "cli/console.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <string>

#include "cli/result_texts.h"
#include "operator/result_messages.h"

namespace zorkan::cli {

namespace {

// Set by the handler on whichever thread the signal lands (the publisher runs network threads),
// and read and cleared in one step: a signal between a separate read and clear would be lost.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler sets it");

extern "C" void NoteInterrupt(int) {
  interrupted.store(true);
}

std::string_view IconWord(DialogIcon icon) {
  switch (icon) {
    case DialogIcon::Error:
      return "error";
    case DialogIcon::Warning:
      return "warning";
    case DialogIcon::Information:
      break;
  }
  return "note";
}

// The box as the window shows it: "Caption: text".
std::string Quoted(const DialogMessage& message) {
  std::string caption = message.caption;
  caption.erase(caption.find_last_not_of(' ') + 1);
  return "\"" + caption + ": " + message.text + "\"";
}

}  // namespace

void Tell(std::string_view text) {
  std::fprintf(stderr, "zorkan-cli: %.*s\n", static_cast<int>(text.size()), text.data());
}

// A result's box is told as the exit status's own line; the checks' boxes and questions by what
// they are, with their texts.
DialogAnswer ConsoleDialogs::ask(const DialogMessage& message) {
  if (const LinkError code = ReportedCode(message); code != kOk) {
    Tell(ResultText(code));
    return DialogAnswer::Ok;
  }
  if (message.buttons == DialogButtons::Ok) {
    Tell(std::string(IconWord(message.icon)) + ": " + Quoted(message));
    return DialogAnswer::Ok;
  }
  Tell("asked " + Quoted(message) + ": " + (answerYes_ ? "yes (--yes)" : "no (--yes answers yes)"));
  return answerYes_ ? DialogAnswer::Yes : DialogAnswer::No;
}

ConsoleProgressPanel::ConsoleProgressPanel(CancelLatch& latch)
    : latch_(latch), toTerminal_(isatty(STDERR_FILENO) != 0) {}

void ConsoleProgressPanel::processPendingEvents() {
  if (toTerminal_) {
    const std::string& heading = lines_[1];
    Tell("step \"" + heading + (heading.empty() ? "" : ": ") + lines_[2] + "\"");
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
