#pragma once
// While a sequence runs, nothing else may start an exchange: the window disables the controls that
// start one, and gives them back afterwards. The command line has no such controls.

#include <utility>

namespace zorkan {

class ExchangeControls {
 public:
  virtual ~ExchangeControls() = default;

  virtual void LockExchangeControls() = 0;
  virtual void UnlockExchangeControls() = 0;
};

// The controls locked for one sequence, and unlocked on every way out of it: its end, an early
// return, a throw.
class ExchangeControlsLock {
 public:
  // Locked at once, or at lock(): the window's write checks the typed numbers with the controls
  // as they are, and unlocks them on its way out whether its checks let it lock them or not.
  enum class From { Now, Later };

  explicit ExchangeControlsLock(ExchangeControls& controls, From from = From::Now)
      : controls_(controls) {
    if (from == From::Now) lock();
  }
  ~ExchangeControlsLock() { controls_.UnlockExchangeControls(); }
  ExchangeControlsLock(const ExchangeControlsLock&) = delete;
  ExchangeControlsLock& operator=(const ExchangeControlsLock&) = delete;

  // Once: a second lock would forget which controls the first one disabled.
  void lock() {
    if (!std::exchange(locked_, true)) controls_.LockExchangeControls();
  }

 private:
  ExchangeControls& controls_;
  bool locked_ = false;
};

// For a caller whose exchanges nothing else could interrupt.
class NoExchangeControls final : public ExchangeControls {
 public:
  void LockExchangeControls() override {}
  void UnlockExchangeControls() override {}
};

}  // namespace zorkan
