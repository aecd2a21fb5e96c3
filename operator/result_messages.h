#pragma once
// The one place where a result code becomes a message: its text, caption and icon, and the box
// that shows it.

#include <string>
#include <string_view>

#include "link/link_error.h"
#include "operator/operator_dialogs.h"

namespace zorkan {

class CancelLatch;

struct ResultMessage {
  LinkError code;
  std::string_view text;
  std::string_view caption;
  DialogIcon icon;
};

// nullptr for 0 and for codes outside 1..23.
const ResultMessage* FindResultMessage(LinkError code);
// The code's text; "code N" for one without a message.
std::string ResultMessageText(LinkError code);

// The code whose box ReportResult shows as `message`; kOk for any other box.
LinkError ReportedCode(const DialogMessage& message);

// Brings the main window forward, forgets Escape presses made so far (a key pressed during the
// failed operation must not cancel the next one) and shows the code's box, with `detail` beside
// its text; 0 and unknown codes show nothing.
void ReportResult(LinkError code, OperatorDialogs& dialogs, CancelLatch& latch,
                  std::string detail = {});

}  // namespace zorkan
