#pragma once
// Everything an exchange started by the operator works with: the window and zorkan-cli each make
// one per run and hand it to the workflows.

#include "journal/journal.h"
#include "link/device_link.h"
#include "link/progress.h"
#include "workflows/exchange_controls.h"

namespace zorkan {

struct ExchangeContext {
  DeviceLink& link;
  Progress& progress;
  CancelLatch& latch;
  OperatorDialogs& dialogs;
  ExchangeControls& controls;
  // The run's configuration journal; none where nothing is recorded.
  Journal* journal = nullptr;
};

}  // namespace zorkan
