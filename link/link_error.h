#pragma once
// Result codes of every operation that can fail. They travel up unchanged; what each one tells
// the operator is in operator/result_messages.h.

namespace zorkan {

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

}  // namespace zorkan
