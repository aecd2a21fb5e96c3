#pragma once
// What the broker sends the publisher, carried from the connections' network threads to the thread
// that polls: a command waits here until the line is free between two polls, and every other
// message the publisher takes (Home Assistant saying it is back) with it.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

#include "publish/broker.h"

namespace zorkan {

class CommandInbox {
 public:
  struct Letter {
    std::size_t instrument;  // whose connection it came on
    BrokerMessage message;
  };

  // At most this many wait; a message beyond them is dropped and counted. A line busy writing
  // meets them a second at most, however many are sent.
  static constexpr std::size_t kMostWaiting = 1000;

  // From any thread. A payload longer than `keptBytes` is cut after them: it can only be refused.
  void put(std::size_t instrument, BrokerMessage message, std::size_t keptBytes);
  // Everything waiting, in the order it came.
  std::vector<Letter> takeAll();
  // Until a message waits or `deadline` has passed; true when one waits.
  bool waitUntil(std::chrono::steady_clock::time_point deadline);
  std::uint64_t dropped() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable arrived_;
  std::deque<Letter> letters_;
  std::uint64_t dropped_ = 0;
};

}  // namespace zorkan
