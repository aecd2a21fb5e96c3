// zorkan-config: the configuration tool. It takes no arguments and keeps its files in the folder
// it is started in.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <csignal>

#include "link/clock.h"
#include "link/qt_serial_port.h"
#include "ui/tool_windows.h"

int main(int argc, char** argv) {
  // Past a file size limit (ulimit -f) a write fails, as on a full disk, instead of closing the
  // window with its pages unsaved: the journal and the logs report it or carry on without it.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication application(argc, argv);
  // The standard buttons and dialogs speak Russian, as the rest of the window does.
  QTranslator qtTranslation;
  if (qtTranslation.load(QLocale(QLocale::Russian), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTranslation);
  }
  zorkan::QtSerialPort port;
  zorkan::SystemClock clock;
  const zorkan::ToolWindows windows(port, clock);
  // Menus and dialogs open as windows of their own: they take the main window's face from here.
  QApplication::setFont(windows.form1.font());
  return QApplication::exec();
}
