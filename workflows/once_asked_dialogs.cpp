#include "workflows/once_asked_dialogs.h"

#include "link/link_error.h"
#include "operator/result_messages.h"

namespace zorkan {

DialogAnswer OnceAskedDialogs::ask(const DialogMessage& message) {
  if (ReportedCode(message) != kOk) return DialogAnswer::Ok;
  for (const auto& [asked, answer] : answered_) {
    if (asked.caption == message.caption && asked.text == message.text &&
        asked.buttons == message.buttons) {
      return answer;
    }
  }
  const DialogAnswer answer = dialogs_.ask(message);
  answered_.emplace_back(message, answer);
  return answer;
}

}  // namespace zorkan
