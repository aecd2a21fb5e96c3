#pragma once
// The settings transfers wired to the in-process simulator on virtual time, as the main window
// wires them to the instrument: link, progress panel, cancel latch and model.

#include "link/device_link.h"
#include "settings/settings_transfer.h"
#include "sim/simulator.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/recording_progress.h"

namespace zorkan::testing {

struct SettingsRig {
  explicit SettingsRig(sim::SimulatorOptions options = {}) : simulator(options) {
    link.openPortAt("COM1", options.baudRate);
    LinkParameters parameters;
    parameters.attemptCount = 2;
    link.setParameters(parameters);
  }

  sim::InProcessSimulator simulator;
  RecordingDialogs dialogs;
  DeviceLink link{simulator.port(), simulator.clock(), "."};
  CancelLatch latch;
  RecordingProgressPanel panel{latch};
  Progress progress{panel, latch};
  DeviceSettings settings;
  SettingsTransfer transfer{link, progress, settings};
};

}  // namespace zorkan::testing
