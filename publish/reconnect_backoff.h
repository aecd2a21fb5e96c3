#pragma once
// The pause before the next attempt to reach the broker: a broker that stays away is asked ever
// less often, one that was reached is asked soon again after it goes.

#include <algorithm>
#include <chrono>

namespace zorkan {

class ReconnectBackoff {
 public:
  static constexpr std::chrono::milliseconds kShortest{1000};
  static constexpr std::chrono::milliseconds kLongest{30000};

  // The pause after a failed attempt or a lost connection: twice the one before, up to kLongest.
  std::chrono::milliseconds nextPause() {
    const std::chrono::milliseconds pause = next_;
    next_ = std::min(next_ * 2, kLongest);
    return pause;
  }
  // A connection was made: the next loss waits the shortest pause again.
  void reset() { next_ = kShortest; }

 private:
  std::chrono::milliseconds next_ = kShortest;
};

}  // namespace zorkan
