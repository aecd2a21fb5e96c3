#include "operator/link_place.h"

#include <utility>

#include "operator/result_messages.h"

namespace zorkan {

std::string PortText(const DeviceLink& link, std::int32_t portNumber,
                     const std::filesystem::path& workDir) {
  std::string text = "Порт " + std::to_string(portNumber);
  const std::filesystem::path path = link.portPath();
  if (!path.empty()) {
    text += " (";
    text += (path.parent_path() == workDir ? path.filename() : path).string();
    text += ")";
  }
  if (!link.isOpen()) text += " не открыт";
  return text;
}

std::string LinkPlaceText(const DeviceLink& link, std::int32_t portNumber,
                          const std::filesystem::path& workDir) {
  const LinkTarget target = link.target();
  return PortText(link, portNumber, workDir) + ", " + std::to_string(target.baudRate) +
         " бод, адрес " + std::to_string(target.networkAddress);
}

NoAnswerPlaceDialogs::NoAnswerPlaceDialogs(OperatorDialogs& dialogs, const DeviceLink& link,
                                           const LinkSettings& linkSettings,
                                           std::filesystem::path workDir)
    : dialogs_(dialogs), link_(link), linkSettings_(linkSettings), workDir_(std::move(workDir)) {}

DialogAnswer NoAnswerPlaceDialogs::ask(const DialogMessage& message) {
  if (ReportedCode(message) != kNoAnswer || !message.detail.empty()) return dialogs_.ask(message);
  DialogMessage named = message;
  named.detail = LinkPlaceText(link_, linkSettings_.portNumber, workDir_) +
                 ".\nПроверьте подключение прибора, «Параметры связи…» или «Найти прибор…».";
  return dialogs_.ask(named);
}

}  // namespace zorkan
