#pragma once
// Everything one zorkan-cli run talks to the instrument with: the link as dev.dat and the options
// describe it, the console in place of the window's dialogs, progress panel and Escape key, and the
// journal of the working folder.

#include <filesystem>
#include <optional>
#include <string>

#include "cli/command_line.h"
#include "cli/console.h"
#include "cli/exit_status.h"
#include "journal/journal.h"
#include "link/device_link.h"
#include "link/link_settings.h"
#include "link/qt_serial_port.h"
#include "workflows/exchange_context.h"

namespace zorkan::cli {

class Session {
 public:
  // `workDir` holds dev.dat, the COMn links and the logs.
  Session(const LinkOptions& options, bool answerYes, std::filesystem::path workDir);
  // Closes the port through the link, which waits out the answers the instrument still owes: the
  // next run would take them for its own.
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Opens the port: nullopt once it is open, else kExitPortUnavailable with the reason printed.
  // Every command's refusal of a port goes through here, so that a script tells a missing or busy
  // adapter from a silent instrument by the status alone.
  [[nodiscard]] std::optional<int> open();
  // Prints the text of a non-zero code and returns the code as the exit status.
  int finish(LinkError code);
  // What the window's buttons work with.
  ExchangeContext exchange();
  DeviceLink& link() { return link_; }
  // journal/ in the working folder.
  Journal& journal() { return journal_; }
  const std::filesystem::path& workDir() const { return workDir_; }

 private:
  std::filesystem::path workDir_;
  LinkSettings linkSettings_;
  std::optional<std::string> device_;
  QtSerialPort port_;
  SystemClock clock_;
  Journal journal_{JournalFolder(workDir_), clock_};
  ConsoleDialogs dialogs_;
  CancelLatch latch_;
  ConsoleProgressPanel panel_{latch_};
  Progress progress_{panel_, latch_};
  NoExchangeControls controls_;
  DeviceLink link_;
};

}  // namespace zorkan::cli
