// Transactions over a pty against the simulator pacing its bytes at 9600 baud: how close one
// exchange comes to the time the bytes need on the line.
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "bench/median_timer.h"
#include "link/device_link.h"
#include "link/qt_serial_port.h"
#include "sim/simulator.h"
#include "tests/support/answers.h"
#include "tests/support/recording_dialogs.h"

namespace {

using namespace zorkan;

constexpr std::uint32_t kBaudRate = 9600;
constexpr int kTurnaroundMs = 2;
constexpr int kRuns = 40;

std::size_t FrameBytes(const std::string& text) {
  return CompleteFrame(text).size();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  sim::Simulator simulator(
      {.networkAddress = 1, .baudRate = kBaudRate, .turnaroundMs = kTurnaroundMs});
  QtSerialPort port;
  SystemClock clock;
  testing::RecordingDialogs dialogs;
  DeviceLink link(port, clock, dialogs, ".");
  link.OpenPortAt(simulator.devicePath(), kBaudRate);
  link.SetParameters(LinkParameters{});
  if (!dialogs.shown.empty()) {
    std::fprintf(stderr, "cannot open %s\n", simulator.devicePath().c_str());
    return EXIT_FAILURE;
  }

  const float value = 25.5f;
  const ParamAddress floatAddress = MakeParamAddress(ValueKind::Float, 2, 29);
  const std::size_t readRequest = FrameBytes(ReadRequestText(1, floatAddress));
  const std::size_t readAnswer = testing::FloatAnswer(value).size();
  const std::size_t writeRequest = FrameBytes(FloatWriteRequestText(1, floatAddress, value));
  const std::size_t writeAnswer = testing::StatusAnswer("0000").size();
  const std::size_t blockRequest =
      FrameBytes(ReadRequestText(1, MakeParamAddress(ValueKind::DataBlock, 1, 2)));
  const std::size_t blockAnswer = testing::DataAnswer(std::string(32, '0')).size();

  int failures = 0;
  const double readMs = bench::MedianMilliseconds(kRuns, [&] {
    float read = 0;
    failures += link.ReadFloatParam(2, 29, read) != kOk;
  });
  const double writeMs = bench::MedianMilliseconds(
      kRuns, [&] { failures += link.WriteFloatParamVerified(2, 29, value) != kOk; });
  const double blockMs = bench::MedianMilliseconds(kRuns, [&] {
    DataBlock block{};
    failures += link.ReadDataBlock(2, block) != kOk;
  });

  std::printf("%u baud, %d ms turnaround, median of %d runs\n", kBaudRate, kTurnaroundMs, kRuns);
  bench::PrintRatio("ReadFloatParam", readMs,
                    bench::LineMilliseconds(readRequest + readAnswer, kBaudRate, 1, kTurnaroundMs));
  bench::PrintRatio("WriteFloatParamVerified", writeMs,
                    bench::LineMilliseconds(writeRequest + writeAnswer + readRequest + readAnswer,
                                            kBaudRate, 2, kTurnaroundMs));
  bench::PrintRatio(
      "ReadDataBlock", blockMs,
      bench::LineMilliseconds(blockRequest + blockAnswer, kBaudRate, 1, kTurnaroundMs));
  if (failures > 0) std::printf("%d operations failed\n", failures);
  return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
