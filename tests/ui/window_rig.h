#pragma once
// The main window started in a scratch working folder, with the simulated instrument in-process
// behind its port.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "sim/simulator.h"
#include "tests/support/scratch_folder.h"
#include "tests/ui/modal_answerer.h"
#include "ui/main_window.h"

namespace zorkan::testing {

class WorkingFolder {
 public:
  explicit WorkingFolder(const std::filesystem::path& folder)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~WorkingFolder() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

struct WindowRig {
  explicit WindowRig(bool started = true, sim::SimulatorOptions options = {}) : simulator(options) {
    if (started) start();
  }

  // Starts the window and lets its one-shot reload of recent.prf happen, at once rather than after
  // the pause that lets a user's window show itself first.
  void start() {
    window = std::make_unique<TForm1>(simulator.port(), simulator.clock(), language);
    window->show();
    QTimer* reload = window->findChild<QTimer*>("Timer2");
    reload->setInterval(0);
    while (reload->isActive()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  void close() { window->close(); }

  template <typename Widget>
  Widget* find(const char* name) const {
    return window->findChild<Widget*>(name);
  }
  QString text(const char* editName) const { return find<QLineEdit>(editName)->text(); }
  void showPage(int page) { find<QTabWidget>("TabbedNotebook1")->setCurrentIndex(page); }
  void click(const char* buttonName) { find<QPushButton>(buttonName)->click(); }

  ScratchFolder folder;
  WorkingFolder workingFolder{folder.path()};
  sim::InProcessSimulator simulator;
  ModalAnswerer answerer;
  // Russian, with nothing installed, until a test switches it.
  WindowLanguage language;
  std::unique_ptr<TForm1> window;
};

}  // namespace zorkan::testing
