#pragma once
// Everything one zorkan-cli run talks to the instrument with: the link as dev.dat and the options
// describe it, and the console in place of the window's dialogs, progress panel and Escape key.

#include <filesystem>
#include <optional>
#include <string>

#include "cli/command_line.h"
#include "cli/console.h"
#include "link/device_link.h"
#include "link/link_settings.h"
#include "link/qt_serial_port.h"
#include "workflows/exchange_context.h"

namespace zorkan::cli {

// Exit statuses besides 0 and the link's result codes.
constexpr int kExitProfileUnusable = 14;  // the code of "the file cannot be opened"
constexpr int kExitUsage = 64;

class Session {
 public:
  // `workDir` holds dev.dat, the COMn links and the logs.
  Session(const LinkOptions& options, bool answerYes, std::filesystem::path workDir);

  // false when the port could not be opened; the reason was printed.
  bool openPort();
  // Prints the text of a non-zero code and returns the code as the exit status.
  int finish(LinkError code);
  // What the window's buttons work with.
  ExchangeContext exchange();
  DeviceLink& link() { return link_; }

 private:
  std::filesystem::path workDir_;
  LinkSettings linkSettings_;
  std::optional<std::string> device_;
  QtSerialPort port_;
  SystemClock clock_;
  ConsoleDialogs dialogs_;
  CancelLatch latch_;
  ConsoleProgressPanel panel_{latch_};
  Progress progress_{panel_, latch_};
  NoExchangeControls controls_;
  DeviceLink link_;
};

}  // namespace zorkan::cli
