#pragma once
// Everything an exchange started by the operator works with: the window and zorkan-cli each make
// one per run and hand it to the workflows.

#include <cstdint>
#include <optional>

#include "journal/journal.h"
#include "link/device_link.h"
#include "operator/operator_dialogs.h"
#include "operator/progress.h"
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
  // The serial number of the instrument the exchange goes to, when it was read just before (each
  // instrument of a line's write): its journal entry then names that instrument, where otherwise
  // it would name the one on the pages.
  std::optional<std::int32_t> instrumentSerial = std::nullopt;
};

}  // namespace zorkan
