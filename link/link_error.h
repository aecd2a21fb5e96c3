#pragma once
// Result codes of every operation that can fail, and the one place where a code becomes a message.

#include <string_view>

#include "link/operator_dialogs.h"

namespace zorkan {

class CancelLatch;

using LinkError = int;

enum LinkErrorCode : LinkError {
  kOk = 0,
  kTooMuchData = 1,
  kNoAnswer = 2,
  kBadAnswer = 3,
  kOperandTooLarge = 4,
  kAddressTooLarge = 5,
  kAnswerDamaged = 6,
  kInstrumentError = 7,
  kModuleAddressTooLarge = 12,
  kFileNotOpened = 14,
  kReadBackMismatch = 15,
  kStoppedToClarify = 16,
  kStoppedToCorrect = 17,
  kUnexpectedAnswerFormat = 19,
  kCancelledByOperator = 20,
  kParameterNotFound = 22,
  kBadNumber = 23,
};

struct ResultMessage {
  LinkError code;
  std::string_view text;
  std::string_view caption;
  DialogIcon icon;
};

// nullptr for 0 and for codes outside 1..23.
const ResultMessage* FindResultMessage(LinkError code);

// The code whose box ReportResult shows as `message`; kOk for any other box.
LinkError ReportedCode(const DialogMessage& message);

// Brings the main window forward, forgets Escape presses made so far (a key pressed during the
// failed operation must not cancel the next one) and shows the code's box; 0 and unknown codes show
// nothing.
void ReportResult(LinkError code, OperatorDialogs& dialogs, CancelLatch& latch);

}  // namespace zorkan
