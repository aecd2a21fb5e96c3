// The live tick of the main window against the simulator at 9600 baud: how long one tick holds
// the window's thread against the line time of its block read, and how long one chart point takes.
#include <stdlib.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "bench/bench_rig.h"
#include "link/qt_serial_port.h"
#include "tests/support/scratch_folder.h"
#include "ui/main_window.h"
#include "ui/tab_pages.h"
#include "ui/trend_chart.h"

namespace {

using namespace zorkan;

constexpr int kTicks = 40;
constexpr int kChartPoints = 2000;
constexpr double kTickGoal = 1.3;
constexpr double kChartPointGoalMs = 2.0;

double MedianPointMs() {
  TrendChart chart(681, 257);
  std::vector<double> times;
  for (int point = 0; point < kChartPoints; ++point) {
    const auto start = std::chrono::steady_clock::now();
    chart.DrawTrendPoint(1300.0f, -50.0f, static_cast<float>(point % 500), point % 97 == 0);
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const testing::ScratchFolder folder;
  std::filesystem::current_path(folder.path());

  sim::Simulator simulator{
      {.networkAddress = 1, .baudRate = bench::kBaudRate, .turnaroundMs = bench::kTurnaroundMs}};
  simulator.linkAt("COM1");
  QtSerialPort port;
  SystemClock clock;
  bench::Measurement tick;
  {
    WindowLanguage language;
    TForm1 window(port, clock, language);
    window.findChild<QTabWidget*>("TabbedNotebook1")->setCurrentIndex(kCurrentValuesPage);
    QCoreApplication::processEvents();
    tick = bench::Measure(simulator, kTicks, [&] {
      window.PollLiveValues();
      return true;
    });
  }
  const double pointMs = MedianPointMs();

  std::printf("%u baud, %d ms turnaround, median of %d ticks\n", bench::kBaudRate,
              bench::kTurnaroundMs, kTicks);
  bench::PrintMeasurement("live tick (goal 1.3)", tick);
  std::printf("%-28s median %9.3f ms   (goal %.1f ms)\n", "DrawTrendPoint 681 x 257", pointMs,
              kChartPointGoalMs);
  const bool met = tick.medianMs / tick.lineMs <= kTickGoal && pointMs < kChartPointGoalMs;
  return met && tick.failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
