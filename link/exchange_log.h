#pragma once
// The exchange log: four lines per transaction attempt, appended to a text file that is opened and
// closed each time, so it can be read or copied between attempts.

#include <filesystem>
#include <string_view>

#include "link/answer_wait.h"

namespace zorkan {

class ExchangeLog {
 public:
  // An empty path switches the log off.
  explicit ExchangeLog(std::filesystem::path path = {}) : path_(std::move(path)) {}

  // A file that cannot be opened is skipped silently: the transaction goes on as without a log.
  void append(std::string_view request, std::string_view answer, const AnswerWait& wait) const;

 private:
  std::filesystem::path path_;
};

}  // namespace zorkan
