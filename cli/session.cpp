#include "cli/session.h"

#include <cstdio>
#include <filesystem>

#include "link/port_path.h"

namespace zorkan::cli {

namespace {

LinkSettings SettingsWith(const LinkOptions& options, const std::filesystem::path& workDir) {
  LinkSettings settings = ReadLinkSettings(workDir);
  if (options.portNumber) settings.portNumber = *options.portNumber;
  if (options.baudRate) settings.baudRate = *options.baudRate;
  if (options.networkAddress) settings.networkAddress = *options.networkAddress;
  if (options.attempts) settings.readings = *options.attempts;
  if (options.timeoutSeconds) {
    settings.replyTimeoutMs = static_cast<std::uint32_t>(*options.timeoutSeconds) * 1000;
  }
  if (options.logFile) {
    settings.logSwitch = 1;
    settings.logFileName = *options.logFile;
  }
  return settings;
}

}  // namespace

Session::Session(const LinkOptions& options, bool answerYes)
    : dialogs(answerYes),
      link(port_, clock_, dialogs, std::filesystem::current_path()),
      settings_(SettingsWith(options, std::filesystem::current_path())),
      device_(options.device) {
  link.SetParameters(TransactionParameters(settings_, std::filesystem::current_path()));
}

bool Session::OpenPort() {
  if (device_) return link.OpenPortAt(*device_, settings_.baudRate);
  if (!IsPortNumber(settings_.portNumber)) {
    std::fprintf(stderr, "no port %d: dev.dat names a port number outside 1..4; use --port\n",
                 settings_.portNumber);
    return false;
  }
  return link.OpenPort(settings_);
}

int Session::Finish(LinkError code) {
  if (const ResultMessage* message = FindResultMessage(code)) {
    std::fprintf(stderr, "%s\n", std::string(message->text).c_str());
  }
  return code;
}

}  // namespace zorkan::cli
