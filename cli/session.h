#pragma once
// Everything one zorkan-cli run talks to the instrument with: the link as dev.dat and the options
// describe it, and the console in place of the window's dialogs, progress panel and Escape key.

#include <optional>
#include <string>

#include "cli/command_line.h"
#include "cli/console.h"
#include "link/device_link.h"
#include "link/link_settings.h"
#include "link/qt_serial_port.h"

namespace zorkan::cli {

// Exit statuses besides 0 and the link's result codes.
constexpr int kExitProfileUnusable = 14;  // the code of "the file cannot be opened"
constexpr int kExitUsage = 64;

class Session {
 public:
  Session(const LinkOptions& options, bool answerYes);

  // false when the port could not be opened; the reason was printed.
  bool OpenPort();
  // Prints the text of a non-zero code and returns the code as the exit status.
  int Finish(LinkError code);

  ConsoleDialogs dialogs;
  CancelLatch latch;
  ConsoleProgressPanel panel{latch};
  Progress progress{panel, latch};
  DeviceLink link;

 private:
  QtSerialPort port_;
  SystemClock clock_;
  LinkSettings settings_;
  std::optional<std::string> device_;
};

}  // namespace zorkan::cli
