#include "cli/session.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <utility>

#include "cli/result_texts.h"
#include "link/port_path.h"
#include "operator/link_messages.h"

namespace zorkan::cli {

namespace {

// Why a dev.dat that is there cannot be read; nullopt when it can, or when there is none (a
// missing one gives the defaults as it does in the window).
std::optional<std::string> UnreadableReason(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (error == std::errc::no_such_file_or_directory) return std::nullopt;
  if (error) return error.message();
  if (std::filesystem::is_directory(status)) return "a folder, not a file";
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::strerror(errno);
  std::fclose(file);
  return std::nullopt;
}

LinkSettings SettingsWith(const LinkOptions& options, const std::filesystem::path& workDir) {
  const std::filesystem::path devDat = workDir / kLinkSettingsFileName;
  // The defaults would otherwise stand in for it without a word.
  if (const auto reason = UnreadableReason(devDat)) {
    Tell(devDat.string() + ": " + *reason + "; the link settings are the defaults");
  }
  LinkSettings settings = ReadLinkSettings(workDir);
  if (options.portNumber) settings.portNumber = *options.portNumber;
  if (options.baudRate) settings.baudRate = *options.baudRate;
  if (options.networkAddress) settings.networkAddress = *options.networkAddress;
  if (options.attempts) settings.readings = *options.attempts;
  if (options.timeoutSeconds) {
    settings.replyTimeoutMs = ReplyTimeoutMs(*options.timeoutSeconds);
  }
  if (options.logFile) {
    settings.logSwitch = 1;
    settings.logFileName = *options.logFile;
  }
  return settings;
}

}  // namespace

Session::Session(const LinkOptions& options, bool answerYes, std::filesystem::path workDir)
    : workDir_(std::move(workDir)),
      linkSettings_(SettingsWith(options, workDir_)),
      device_(options.device),
      dialogs_(answerYes),
      link_(port_, clock_, workDir_) {
  link_.setParameters(TransactionParameters(linkSettings_, workDir_));
}

Session::~Session() {
  link_.ClosePort();
}

std::optional<int> Session::open() {
  if (!device_ && !IsPortNumber(linkSettings_.portNumber)) {
    Tell("no port " + std::to_string(linkSettings_.portNumber) +
         ": dev.dat names a port number outside " + std::to_string(kFirstPortNumber) + ".." +
         std::to_string(kLastPortNumber) + "; use --port or --device");
    return kExitPortUnavailable;
  }
  const bool opened = device_ ? link_.openPortAt(*device_, linkSettings_.baudRate)
                              : link_.OpenPort(linkSettings_) == PortOpening::Opened;
  if (opened) return std::nullopt;
  const std::string port =
      device_ ? link_.portPath()
              : std::to_string(linkSettings_.portNumber) + " (" + link_.portPath() + ")";
  const std::string& reason = port_.openRefusal();
  Tell("cannot open the serial port " + port + (reason.empty() ? "" : ": " + reason) + " (\"" +
       std::string(kPortNotOpenedText) + "\")");
  return kExitPortUnavailable;
}

int Session::finish(LinkError code) {
  if (code != kOk) Tell(ResultText(code));
  return code;
}

ExchangeContext Session::exchange() {
  return ExchangeContext{link_, progress_, latch_, dialogs_, controls_, &journal_};
}

}  // namespace zorkan::cli
