#include "link/exchange_log.h"

#include <cstdio>
#include <memory>

namespace zorkan {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

unsigned Field(int value) {
  return static_cast<unsigned>(value);
}

}  // namespace

void ExchangeLog::append(std::string_view request, std::string_view answer,
                         const AnswerWait& wait) const {
  if (path_.empty()) return;
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path_.c_str(), "a"));
  if (!file) return;
  std::fprintf(file.get(), "________________________________________\n");
  std::fprintf(file.get(), "Send cmd at %02u:%02u:%02u :%.*s\n", Field(wait.start.hour),
               Field(wait.start.minute), Field(wait.start.second), static_cast<int>(request.size()),
               request.data());
  std::fprintf(file.get(), "Answ at %02u:%02u:%02u :%.*s\n", Field(wait.end.hour),
               Field(wait.end.minute), Field(wait.end.second), static_cast<int>(answer.size()),
               answer.data());
  std::fprintf(file.get(), "Wait for answ %u ms\n", static_cast<unsigned>(wait.elapsedMs));
}

}  // namespace zorkan
