#include "cli/session.h"

#include <cstdio>
#include <utility>

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
      link_(port_, clock_, dialogs_, workDir_) {
  link_.setParameters(TransactionParameters(linkSettings_, workDir_));
}

bool Session::openPort() {
  if (device_) return link_.openPortAt(*device_, linkSettings_.baudRate);
  if (!IsPortNumber(linkSettings_.portNumber)) {
    std::fprintf(stderr, "no port %d: dev.dat names a port number outside %d..%d; use --port\n",
                 linkSettings_.portNumber, kFirstPortNumber, kLastPortNumber);
    return false;
  }
  return link_.OpenPort(linkSettings_);
}

int Session::finish(LinkError code) {
  if (const ResultMessage* message = FindResultMessage(code)) {
    std::fprintf(stderr, "%s\n", std::string(message->text).c_str());
  }
  return code;
}

ExchangeContext Session::exchange() {
  return ExchangeContext{link_, progress_, latch_, dialogs_, controls_};
}

}  // namespace zorkan::cli
