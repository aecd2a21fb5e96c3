// Single transactions over a pty against the simulator at 9600 baud: how close one exchange comes
// to the time its bytes need on the line.
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "bench/bench_rig.h"

int main(int argc, char** argv) {
  using namespace zorkan;
  QCoreApplication application(argc, argv);
  bench::BenchRig rig;
  constexpr int kRuns = 40;
  constexpr float kValue = 25.5f;

  const bench::Measurement read = bench::Measure(rig.simulator, kRuns, [&] {
    float value = 0;
    return rig.link.ReadFloatParam(2, 29, value) == kOk;
  });
  const bench::Measurement write = bench::Measure(
      rig.simulator, kRuns, [&] { return rig.link.WriteFloatParamVerified(2, 29, kValue) == kOk; });
  const bench::Measurement block = bench::Measure(rig.simulator, kRuns, [&] {
    DataBlock data{};
    return rig.link.ReadDataBlock(2, data) == kOk;
  });

  std::printf("%u baud, %d ms turnaround, median of %d runs\n", bench::kBaudRate,
              bench::kTurnaroundMs, kRuns);
  bench::PrintMeasurement("ReadFloatParam", read);
  bench::PrintMeasurement("WriteFloatParamVerified", write);
  bench::PrintMeasurement("ReadDataBlock", block);
  return read.failures + write.failures + block.failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
