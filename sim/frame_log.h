#pragma once
// Every request as it came over the line, for tests that compare the tool's traffic.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

namespace zorkan::sim {

class FrameLog {
 public:
  void add(std::string frame);
  std::vector<std::string> frames() const;
  void clear();
  // True once `count` frames are logged (since the last clear), false after `timeout`.
  bool waitForCount(std::size_t count, std::chrono::milliseconds timeout) const;

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable added_;
  std::vector<std::string> frames_;
};

}  // namespace zorkan::sim
