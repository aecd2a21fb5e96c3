// zorkan-cli: configures and checks an instrument from scripts, with the tool's own link,
// transfers, checks and profiles.
#include <QCoreApplication>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "cli/command_table.h"
#include "cli/console.h"
#include "cli/exit_status.h"
#include "cli/session.h"

namespace {

using namespace zorkan::cli;

// The kernel still names a deleted folder ("/path (deleted)").
std::string WorkingFolderName() {
  std::error_code error;
  const std::filesystem::path name = std::filesystem::read_symlink("/proc/self/cwd", error);
  return error ? "working folder" : name.string();
}

}  // namespace

int main(int argc, char** argv) {
  // Past a file size limit (ulimit -f) a write fails, as on a full disk, instead of killing the
  // run after its exchange: the journal and the logs report it or carry on without it.
  std::signal(SIGXFSZ, SIG_IGN);
  // The serial port needs an application object, even without an event loop.
  QCoreApplication application(argc, argv);
  // The system's texts of an error (a device that is not there, a folder that refuses) in the
  // language of every other message, whatever the user's locale.
  std::setlocale(LC_MESSAGES, "C");
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const auto parsed = ParseCommandLine(arguments);
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    Tell(error->message);
    return kExitUsage;
  }
  if (const auto* printout = std::get_if<Printout>(&parsed)) {
    std::fputs(printout->text.c_str(), stdout);
    return 0;
  }
  const CommandLine& commandLine = std::get<CommandLine>(parsed);
  // Deleted under a running shell, the working folder has no path any more.
  std::error_code error;
  std::filesystem::path workDir = std::filesystem::current_path(error);
  if (error) {
    Tell(WorkingFolderName() + ": " + error.message());
    return kExitProfileUnusable;
  }
  const auto* write = std::get_if<WriteCommand>(&commandLine.command);
  const auto* tune = std::get_if<TuneCommand>(&commandLine.command);
  const bool answerYes = (write != nullptr && write->yes) || (tune != nullptr && tune->yes);
  Session session(commandLine.link, answerYes, std::move(workDir));
  CatchInterrupts();
  return commandLine.row->handlers.run(commandLine.command, session);
}
