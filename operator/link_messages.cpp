#include "operator/link_messages.h"

#include "ini/ini_file.h"
#include "operator/operator_text.h"

namespace zorkan {

namespace {

constexpr const char* kCheckLinkCaption =
    OPERATOR_TEXT("Проверьте параметры установления связи с прибором");

void ReportUnwritable(const std::filesystem::path& path, OperatorDialogs& dialogs) {
  ShowMessage(dialogs, OPERATOR_TEXT("Ошибка"), UnableToWriteText(path), DialogIcon::Error);
}

}  // namespace

void ReportPortNotOpened(OperatorDialogs& dialogs) {
  ShowMessage(dialogs, OPERATOR_TEXT("Ошибка"), std::string(kPortNotOpenedText), DialogIcon::Error);
}

void ReportPortOpening(PortOpening opening, OperatorDialogs& dialogs) {
  if (opening == PortOpening::Refused) ReportPortNotOpened(dialogs);
}

void ReportLinkSettingsFindings(const LinkSettingsFindings& findings, OperatorDialogs& dialogs) {
  if (findings.unwritable) ReportUnwritable(*findings.unwritable, dialogs);
  if (findings.portNumberTooLarge) {
    ShowMessage(dialogs, kCheckLinkCaption, OPERATOR_TEXT("Слишком большой номер COM порта."),
                DialogIcon::Warning);
  }
  if (findings.longReplyTimeout) {
    ShowMessage(dialogs, kCheckLinkCaption,
                OPERATOR_TEXT("Задан большой тайм аут. Работать будет можно, но неудобно."),
                DialogIcon::Information);
  }
}

void ReportLinkSettingsUnwritable(const std::filesystem::path& workDir, OperatorDialogs& dialogs) {
  ReportUnwritable(workDir / kLinkSettingsFileName, dialogs);
}

}  // namespace zorkan
