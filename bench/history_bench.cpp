// The history window on a day of log at two lines a second (172,800 samples a channel): how long
// it takes to open IZM.txt and the CSV log and draw them, how long one zoom step takes to draw,
// and how much memory the window needs for the day. Goals: open under 1 s, a zoom step under
// 50 ms, under 100 MB.
//
// history_bench [FOLDER]: the day is logged into FOLDER once and kept there (a window started
// there shows it); without FOLDER into a temporary folder that is removed.
#include <stdlib.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench/history_day.h"
#include "ui/history_chart_view.h"
#include "ui/history_window.h"

namespace {

using namespace zorkan;
using Steady = std::chrono::steady_clock;

constexpr double kOpenGoalMs = 1000;
constexpr double kZoomGoalMs = 50;
constexpr double kMemoryGoalMb = 100;
constexpr int kZoomSteps = 24;

double MsSince(Steady::time_point start) {
  return std::chrono::duration<double, std::milli>(Steady::now() - start).count();
}

// A line of /proc/self/status in megabytes ("VmHWM", "VmRSS").
double StatusMb(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(key + ":", 0) == 0) return std::stod(line.substr(key.size() + 1)) / 1024;
  }
  return 0;
}

// The peak resident size starts again from the current one.
void ResetPeakMemory() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

// Opening the logs and drawing them once, as the operator sees them.
double OpenMs(HistoryWindow& window, const std::vector<std::filesystem::path>& logs) {
  const auto start = Steady::now();
  window.open(logs);
  window.chart().grab();
  return MsSince(start);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const bool kept = argc > 1;
  std::filesystem::path folder = kept ? argv[1] : "";
  if (!kept) {
    std::string name = (std::filesystem::temp_directory_path() / "zorkan-history-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) return EXIT_FAILURE;
    folder = name;
  }
  std::filesystem::create_directories(folder);
  if (!std::filesystem::exists(folder / "IZM.txt")) {
    const auto start = Steady::now();
    const int logged = bench::LogSimulatedDay(folder, bench::kDayWithItsGap);
    std::printf("logged a day: %d ticks through the live tick in %.1f s\n", logged,
                MsSince(start) / 1000);
  }
  std::vector<std::filesystem::path> csvLogs;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".csv") csvLogs.push_back(entry.path());
  }
  std::sort(csvLogs.begin(), csvLogs.end());

  DeviceSettings pages;
  ToolSettings toolSettings(folder);
  CsvMeasurementLog csvLog(folder);
  HistoryWindow window({folder, folder / "IZM.txt"}, pages, toolSettings, csvLog, nullptr);
  window.resize(1200, 700);
  window.show();
  QCoreApplication::processEvents();
  const double baseMb = StatusMb("VmRSS");
  ResetPeakMemory();
  const double izmMs = OpenMs(window, {folder / "IZM.txt"});
  const std::size_t samples = window.history().samples.size();
  const double csvMs = OpenMs(window, csvLogs);
  const double peakMb = StatusMb("VmHWM") - baseMb;
  const double heldMb = StatusMb("VmRSS") - baseMb;

  HistoryChartView& chart = window.chart();
  const QPointF middle = chart.rect().center();
  std::vector<double> zooms;
  for (int step = 0; step < kZoomSteps; ++step) {
    const auto start = Steady::now();
    chart.zoomTime(step < kZoomSteps / 2 ? 0.8 : 1.25, middle);
    chart.grab();
    zooms.push_back(MsSince(start));
  }
  std::sort(zooms.begin(), zooms.end());
  const double zoomMedian = zooms[zooms.size() / 2];
  const double zoomWorst = zooms.back();

  std::printf("samples a channel       %zu\n", samples);
  std::printf("open IZM.txt and draw   %7.1f ms   (goal < %.0f ms)\n", izmMs, kOpenGoalMs);
  std::printf("open the CSV logs, draw %7.1f ms   (goal < %.0f ms)\n", csvMs, kOpenGoalMs);
  std::printf("one zoom step, drawn    %7.1f ms median, %.1f ms worst of %d   (goal < %.0f ms)\n",
              zoomMedian, zoomWorst, kZoomSteps, kZoomGoalMs);
  std::printf(
      "memory for the day      %7.1f MB peak while opening, %.1f MB held   (goal < %.0f MB)\n",
      peakMb, heldMb, kMemoryGoalMb);
  if (!kept) std::filesystem::remove_all(folder);
  const bool met = izmMs < kOpenGoalMs && csvMs < kOpenGoalMs && zoomWorst < kZoomGoalMs &&
                   peakMb < kMemoryGoalMb;
  return met ? EXIT_SUCCESS : EXIT_FAILURE;
}
