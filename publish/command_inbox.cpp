#include "publish/command_inbox.h"

#include <iterator>
#include <utility>

namespace zorkan {

void CommandInbox::put(std::size_t instrument, BrokerMessage message, std::size_t keptBytes) {
  if (message.payload.size() > keptBytes) message.payload.resize(keptBytes + 1);
  {
    std::lock_guard lock(mutex_);
    if (letters_.size() >= kMostWaiting) {
      ++dropped_;
      return;
    }
    letters_.push_back({instrument, std::move(message)});
  }
  arrived_.notify_one();
}

std::vector<CommandInbox::Letter> CommandInbox::takeAll() {
  std::lock_guard lock(mutex_);
  std::vector<Letter> letters(std::make_move_iterator(letters_.begin()),
                              std::make_move_iterator(letters_.end()));
  letters_.clear();
  return letters;
}

bool CommandInbox::waitUntil(std::chrono::steady_clock::time_point deadline) {
  std::unique_lock lock(mutex_);
  return arrived_.wait_until(lock, deadline, [this] { return !letters_.empty(); });
}

std::uint64_t CommandInbox::dropped() const {
  std::lock_guard lock(mutex_);
  return dropped_;
}

}  // namespace zorkan
