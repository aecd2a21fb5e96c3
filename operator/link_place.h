#pragma once
// Where the link's requests go, in the operator's words: the status line shows it, and a box of
// an instrument that did not answer names it beside its text, so that a wrong port, address or
// baud rate is seen at once.

#include <cstdint>
#include <filesystem>
#include <string>

#include "link/device_link.h"
#include "link/link_settings.h"
#include "operator/operator_dialogs.h"

namespace zorkan {

// "Порт 1 (COM1)", "Порт 1 (/dev/ttyS0) не открыт": a path in the working folder by its name.
std::string PortText(const DeviceLink& link, std::int32_t portNumber,
                     const std::filesystem::path& workDir);

// "Порт 1 (COM1), 9600 бод, адрес 1".
std::string LinkPlaceText(const DeviceLink& link, std::int32_t portNumber,
                          const std::filesystem::path& workDir);

// The boxes of `dialogs` as they are, but "Прибор не ответил (ERR 2)" with where the request went
// beside its text, unless the box brings a detail of its own.
class NoAnswerPlaceDialogs final : public OperatorDialogs {
 public:
  NoAnswerPlaceDialogs(OperatorDialogs& dialogs, const DeviceLink& link,
                       const LinkSettings& linkSettings, std::filesystem::path workDir);

  DialogAnswer ask(const DialogMessage& message) override;
  void bringMainWindowForward() override { dialogs_.bringMainWindowForward(); }

 private:
  OperatorDialogs& dialogs_;
  const DeviceLink& link_;
  const LinkSettings& linkSettings_;
  const std::filesystem::path workDir_;
};

}  // namespace zorkan
