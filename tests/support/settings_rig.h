#pragma once
// The settings transfers wired to the simulator over a pty, as the main window wires them to the
// instrument: link, progress panel, cancel latch and model.

#include "link/device_link.h"
#include "link/qt_serial_port.h"
#include "settings/settings_transfer.h"
#include "sim/simulator.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/recording_progress.h"

namespace zorkan::testing {

struct SettingsRig {
  explicit SettingsRig(sim::SimulatorOptions options = {.networkAddress = 1,
                                                        .baudRate = 0,
                                                        .turnaroundMs = 0})
      : simulator(options) {
    link.OpenPortAt(simulator.devicePath(), 9600);
    LinkParameters parameters;
    parameters.attemptCount = 2;
    link.SetParameters(parameters);
  }

  sim::Simulator simulator;
  QtSerialPort port;
  SystemClock clock;
  RecordingDialogs dialogs;
  DeviceLink link{port, clock, dialogs, "."};
  CancelLatch latch;
  RecordingProgressPanel panel{latch};
  Progress progress{panel, latch};
  DeviceSettings settings;
  SettingsTransfer transfer{link, progress, settings};
};

}  // namespace zorkan::testing
