#pragma once
// A timer stopped for as long as the guard lives, and started again with its interval on every
// way out of the scope: the live tick must not read the instrument between the samples of an
// experiment.

#include <QTimer>

namespace zorkan {

class StoppedTimer {
 public:
  StoppedTimer(QTimer& timer, int intervalMs) : timer_(timer), intervalMs_(intervalMs) {
    timer_.stop();
  }
  ~StoppedTimer() { timer_.start(intervalMs_); }
  StoppedTimer(const StoppedTimer&) = delete;
  StoppedTimer& operator=(const StoppedTimer&) = delete;

 private:
  QTimer& timer_;
  const int intervalMs_;
};

}  // namespace zorkan
