// Whole-device read and write over a pty against the simulator at 9600 baud.
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "bench/bench_rig.h"

using namespace zorkan;

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  bench::TransferRig rig;
  SettingsTransfer& transfer = rig.transfer;
  constexpr int kRuns = 5;

  const bench::Measurement read =
      bench::Measure(rig.simulator, kRuns, [&] { return readAllSettings(transfer) == kOk; });
  const bench::Measurement write =
      bench::Measure(rig.simulator, kRuns, [&] { return writeAllSettings(transfer) == kOk; });

  std::printf("%u baud, %d ms turnaround, median of %d runs\n", bench::kBaudRate,
              bench::kTurnaroundMs, kRuns);
  bench::PrintMeasurement("readAllSettings", read);
  bench::PrintMeasurement("writeAllSettings", write);
  return read.failures + write.failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
