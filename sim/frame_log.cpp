#include "sim/frame_log.h"

namespace zorkan::sim {

void FrameLog::add(std::string frame) {
  {
    std::lock_guard lock(mutex_);
    traffic_.requestBytes += frame.size();
    frames_.push_back(std::move(frame));
  }
  added_.notify_all();
}

std::vector<std::string> FrameLog::frames() const {
  std::lock_guard lock(mutex_);
  return frames_;
}

void FrameLog::addAnswer(std::size_t bytes) {
  std::lock_guard lock(mutex_);
  traffic_.answerBytes += bytes;
  ++traffic_.answers;
}

LineTraffic FrameLog::traffic() const {
  std::lock_guard lock(mutex_);
  return traffic_;
}

void FrameLog::clear() {
  std::lock_guard lock(mutex_);
  frames_.clear();
  traffic_ = {};
}

bool FrameLog::waitForCount(std::size_t count, std::chrono::milliseconds timeout) const {
  std::unique_lock lock(mutex_);
  return added_.wait_for(lock, timeout, [&] { return frames_.size() >= count; });
}

}  // namespace zorkan::sim
