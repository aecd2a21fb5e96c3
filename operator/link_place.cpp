#include "operator/link_place.h"

#include <utility>

#include "operator/operator_text.h"
#include "operator/result_messages.h"

namespace zorkan {

std::string PortText(const DeviceLink& link, std::int32_t portNumber,
                     const std::filesystem::path& workDir) {
  const std::filesystem::path path = link.portPath();
  if (path.empty()) {
    return FillText(link.isOpen() ? OPERATOR_TEXT("Порт %1") : OPERATOR_TEXT("Порт %1 не открыт"),
                    portNumber);
  }
  const std::string shownPath = (path.parent_path() == workDir ? path.filename() : path).string();
  return FillText(
      link.isOpen() ? OPERATOR_TEXT("Порт %1 (%2)") : OPERATOR_TEXT("Порт %1 (%2) не открыт"),
      portNumber, shownPath);
}

std::string LinkPlaceText(const DeviceLink& link, std::int32_t portNumber,
                          const std::filesystem::path& workDir) {
  const LinkTarget target = link.target();
  return FillText(OPERATOR_TEXT("%1, %2 бод, адрес %3"), PortText(link, portNumber, workDir),
                  target.baudRate, target.networkAddress);
}

NoAnswerPlaceDialogs::NoAnswerPlaceDialogs(OperatorDialogs& dialogs, const DeviceLink& link,
                                           const LinkSettings& linkSettings,
                                           std::filesystem::path workDir)
    : dialogs_(dialogs), link_(link), linkSettings_(linkSettings), workDir_(std::move(workDir)) {}

DialogAnswer NoAnswerPlaceDialogs::ask(const DialogMessage& message) {
  if (ReportedCode(message) != kNoAnswer || !message.detail.empty()) return dialogs_.ask(message);
  DialogMessage named = message;
  named.detail = FillText(OPERATOR_TEXT("%1.\nПроверьте подключение прибора, «Параметры связи…» "
                                        "или «Найти прибор…»."),
                          LinkPlaceText(link_, linkSettings_.portNumber, workDir_));
  return dialogs_.ask(named);
}

}  // namespace zorkan
