#pragma once
// The exchange context of a benchmark's workflows: nobody watches the progress, answers a box or
// waits for the controls.

#include "bench/bench_rig.h"
#include "workflows/exchange_context.h"

namespace zorkan::bench {

struct QuietExchange {
  QuietExchange(DeviceLink& link, OperatorDialogs& dialogs)
      : exchange{link, progress, latch, dialogs, controls} {}

  QuietPanel panel;
  CancelLatch latch;
  Progress progress{panel, latch};
  NoExchangeControls controls;
  ExchangeContext exchange;
};

}  // namespace zorkan::bench
