#pragma once
// Every request as it came over the line, for tests that compare the tool's traffic, and the
// bytes that crossed the line, for benchmarks that compare an exchange with its line time.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

namespace zorkan::sim {

struct LineTraffic {
  std::size_t requestBytes = 0;
  std::size_t answerBytes = 0;
  std::size_t answers = 0;
};

class FrameLog {
 public:
  void add(std::string frame);
  std::vector<std::string> frames() const;
  void addAnswer(std::size_t bytes);
  LineTraffic traffic() const;
  // Forgets frames and traffic.
  void clear();
  // True once `count` frames are logged (since the last clear), false after `timeout`.
  bool waitForCount(std::size_t count, std::chrono::milliseconds timeout) const;

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable added_;
  std::vector<std::string> frames_;
  LineTraffic traffic_;
};

}  // namespace zorkan::sim
