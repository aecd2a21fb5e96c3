#pragma once
// The link over a pty with the simulator pacing its bytes like a real line, and a measurement that
// compares each operation's median time with the time its bytes need on that line.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "link/device_link.h"
#include "link/qt_serial_port.h"
#include "operator/operator_dialogs.h"
#include "operator/progress.h"
#include "settings/settings_transfer.h"
#include "sim/line_timing.h"
#include "sim/simulator.h"

namespace zorkan::bench {

constexpr std::uint32_t kBaudRate = 9600;
constexpr int kTurnaroundMs = 2;

// Benchmarks run unattended: nobody answers a box.
class SilentDialogs final : public OperatorDialogs {
 public:
  DialogAnswer ask(const DialogMessage& message) override {
    std::fprintf(stderr, "%s: %s\n", message.caption.c_str(), message.text.c_str());
    return DialogAnswer::No;
  }
  void bringMainWindowForward() override {}
};

// Nobody watches the progress of a benchmark either.
class QuietPanel final : public ProgressPanel {
 public:
  void setLines(const ProgressLines&) override {}
  void setVisible(bool) override {}
  void processPendingEvents() override {}
};

struct BenchRig {
  BenchRig() {
    link.openPortAt(simulator.devicePath(), kBaudRate);
    link.setParameters(LinkParameters{});
  }

  sim::Simulator simulator{
      {.networkAddress = 1, .baudRate = kBaudRate, .turnaroundMs = kTurnaroundMs}};
  QtSerialPort port;
  SystemClock clock;
  SilentDialogs dialogs;
  DeviceLink link{port, clock, "."};
};

// The whole-device transfers over that link, with nobody watching them.
struct TransferRig : BenchRig {
  QuietPanel panel;
  CancelLatch latch;
  Progress progress{panel, latch};
  DeviceSettings settings;
  SettingsTransfer transfer{link, progress, settings};
};

struct Measurement {
  double medianMs = 0;
  double lineMs = 0;  // the bytes of one run on the line, plus a turnaround per answer
  int failures = 0;
};

// `operation` returns true on success; every run is expected to put the same bytes on the line.
template <typename Operation>
Measurement Measure(sim::SimulatedInstrument& simulator, int runs, Operation&& operation) {
  Measurement measurement;
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    simulator.clearReceivedFrames();
    const auto start = std::chrono::steady_clock::now();
    measurement.failures += operation() ? 0 : 1;
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(times.begin(), times.end());
  measurement.medianMs = times[times.size() / 2];
  const sim::LineTraffic traffic = simulator.lineTraffic();
  measurement.lineMs = std::chrono::duration<double, std::milli>(
                           sim::LineTime(traffic.requestBytes + traffic.answerBytes, kBaudRate))
                           .count() +
                       static_cast<double>(traffic.answers) * kTurnaroundMs;
  return measurement;
}

inline void PrintMeasurement(const char* what, const Measurement& measurement) {
  std::printf("%-28s median %9.2f ms   line time %9.2f ms   ratio %.3f%s\n", what,
              measurement.medianMs, measurement.lineMs, measurement.medianMs / measurement.lineMs,
              measurement.failures > 0 ? "   (failures!)" : "");
}

}  // namespace zorkan::bench
