// zorkan-config: the configuration tool. It takes no arguments and keeps its files in the folder
// it is started in.
#include <QApplication>
#include <csignal>
#include <filesystem>

#include "link/clock.h"
#include "link/qt_serial_port.h"
#include "ui/tool_settings.h"
#include "ui/tool_windows.h"

int main(int argc, char** argv) {
  // Past a file size limit (ulimit -f) a write fails, as on a full disk, instead of closing the
  // window with its pages unsaved: the journal and the logs report it or carry on without it.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication application(argc, argv);
  // The language chosen last, Russian at first, the standard buttons and dialogs included: in
  // place before the first window is made.
  zorkan::WindowLanguage language;
  language.install(zorkan::ToolSettings(std::filesystem::current_path()).language());
  zorkan::QtSerialPort port;
  zorkan::SystemClock clock;
  const zorkan::ToolWindows windows(port, clock, language);
  // Menus and dialogs open as windows of their own: they take the main window's face from here.
  QApplication::setFont(windows.form1.font());
  return QApplication::exec();
}
