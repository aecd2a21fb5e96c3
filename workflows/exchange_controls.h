#pragma once
// While a sequence runs, nothing else may start an exchange: the window disables the controls that
// start one, and gives them back afterwards. The command line has no such controls.

namespace zorkan {

class ExchangeControls {
 public:
  virtual ~ExchangeControls() = default;

  virtual void LockExchangeControls() = 0;
  virtual void UnlockExchangeControls() = 0;
};

// For a caller whose exchanges nothing else could interrupt.
class NoExchangeControls final : public ExchangeControls {
 public:
  void LockExchangeControls() override {}
  void UnlockExchangeControls() override {}
};

}  // namespace zorkan
