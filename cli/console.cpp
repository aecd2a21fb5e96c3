#include "cli/console.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>

#include "cli/result_texts.h"
#include "operator/result_messages.h"

namespace zorkan::cli {

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void NoteInterrupt(int) {
  interrupted = 1;
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
  const bool requested = interrupted != 0;
  interrupted = 0;
  return requested;
}

}  // namespace zorkan::cli
