// Start-up of the configuration tool: from process start to the main window shown and idle (its
// one-shot reload done), with dev.dat and recent.prf present, median of 10. Each run is a child
// process that starts the window on Qt's offscreen platform and reports through a pipe.
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "link/clock.h"
#include "link/qt_serial_port.h"
#include "sim/simulator.h"
#include "tests/support/scratch_folder.h"
#include "ui/tool_settings.h"
#include "ui/tool_windows.h"

namespace {

constexpr int kRuns = 10;
constexpr double kGoalMs = 1000;
constexpr const char* kChildFlag = "--child";

// The program's own start-up, as app/main.cpp does it, until the window is shown and idle.
int RunChild(int argc, char** argv, int report) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  zorkan::WindowLanguage language;
  language.install(zorkan::ToolSettings(std::filesystem::current_path()).language());
  zorkan::QtSerialPort port;
  zorkan::SystemClock clock;
  const zorkan::ToolWindows windows(port, clock, language);
  const QTimer* reload = windows.form1.findChild<QTimer*>("Timer2");
  while (reload->isActive()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  QCoreApplication::processEvents();
  const char done = 1;
  return ::write(report, &done, 1) == 1 ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && std::strcmp(argv[1], kChildFlag) == 0) {
    return RunChild(argc, argv, std::atoi(argv[2]));
  }
  const zorkan::testing::ScratchFolder folder;
  // The port the window opens is the simulator's, as after ./run.sh.
  zorkan::sim::Simulator simulator;
  simulator.linkAt(folder / "COM1");
  std::vector<double> times;
  // The first run leaves dev.dat and recent.prf behind, as a first start does; it is not timed.
  for (int run = 0; run <= kRuns; ++run) {
    int pipe[2];
    if (::pipe(pipe) != 0) return EXIT_FAILURE;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(pipe[0]);
      if (::chdir(folder.path().c_str()) != 0) ::_exit(EXIT_FAILURE);
      const std::string fd = std::to_string(pipe[1]);
      ::execl("/proc/self/exe", argv[0], kChildFlag, fd.c_str(), static_cast<char*>(nullptr));
      ::_exit(EXIT_FAILURE);
    }
    ::close(pipe[1]);
    char done = 0;
    const bool shown = ::read(pipe[0], &done, 1) == 1;
    const auto end = std::chrono::steady_clock::now();
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!shown) return EXIT_FAILURE;
    if (run > 0) times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(times.begin(), times.end());
  const double median = times[times.size() / 2];
  std::printf("start-up to the window shown and idle: median %.1f ms of %d runs (goal %.0f ms)\n",
              median, kRuns, kGoalMs);
  return median < kGoalMs ? EXIT_SUCCESS : EXIT_FAILURE;
}
