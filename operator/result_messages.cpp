#include "operator/result_messages.h"

#include <array>
#include <string>
#include <utility>

#include "operator/operator_text.h"
#include "operator/progress.h"

namespace zorkan {

namespace {

constexpr std::string_view kError = OPERATOR_TEXT("Ошибка");
constexpr std::string_view kSettingsRemark = OPERATOR_TEXT("Замечание по настройкам");

constexpr std::array<ResultMessage, 23> kResultMessages{{
    {1, OPERATOR_TEXT("Слишком много символов  (ERR 1)"), kError, DialogIcon::Error},
    {2, OPERATOR_TEXT("Прибор не ответил (ERR 2)"), kError, DialogIcon::Error},
    {3, OPERATOR_TEXT("Прибор не смог разобрать команду (ERR 3)"), kError, DialogIcon::Error},
    {4, OPERATOR_TEXT("Слишком большой операнд (ERR 4)"), kError, DialogIcon::Error},
    {5, OPERATOR_TEXT("Слишком большой адрес (ERR 5)"), kError, DialogIcon::Error},
    {6, OPERATOR_TEXT("Ответ поврежден- не сошлась контрольная сумма (ERR 6)"), kError,
     DialogIcon::Error},
    {7, OPERATOR_TEXT("Прибор сообщает о какой-то ошибке (ERR 7)"), kError, DialogIcon::Error},
    {8, OPERATOR_TEXT("Ошибка доступа к модулю АЦП (ERR 8)"), kError, DialogIcon::Error},
    {9, OPERATOR_TEXT("Нет ответа модуля (ERR 9)"), kError, DialogIcon::Error},
    {10, OPERATOR_TEXT("Такого модуля в приборе нет (ERR 10)"), kError, DialogIcon::Error},
    {11, OPERATOR_TEXT("Ошибка контрольной суммы модуля (ERR 11)"), kError, DialogIcon::Error},
    {12, OPERATOR_TEXT("Слишком большой адрес в запросе модуля (ERR 12)"), kError,
     DialogIcon::Error},
    {13, OPERATOR_TEXT("Ошибка при ответе модуля (ERR 13)"), kError, DialogIcon::Error},
    {14, OPERATOR_TEXT("Файл не открывается (ERR 14)"), kError, DialogIcon::Error},
    {15, OPERATOR_TEXT("Не совпадает записанное и прочитанное (ERR 15)"), kError,
     DialogIcon::Error},
    {16, OPERATOR_TEXT("Прекратили запись для уточнения настроек (ERR 16)"), kSettingsRemark,
     DialogIcon::Warning},
    {17, OPERATOR_TEXT("Прекратили запись чтобы поправить настройки (ERR 17)"), kSettingsRemark,
     DialogIcon::Warning},
    {18, OPERATOR_TEXT("Ошибка в операциях Windows при разборе ответа (ERR 18)"), kError,
     DialogIcon::Error},
    {19, OPERATOR_TEXT("Формат ответа не похож на ожидаемый (ERR 19)"), kError, DialogIcon::Error},
    {20, OPERATOR_TEXT("Ход процесса остановлен пользователем (ERR 20)"),
     OPERATOR_TEXT("Информация пользователю"), DialogIcon::Warning},
    {21, OPERATOR_TEXT("Передано число не являющееся числом с плавающей запятой (ERR 21)"), kError,
     DialogIcon::Error},
    {22, OPERATOR_TEXT("Параметр не найден (ERR 22)"), kError, DialogIcon::Error},
    {23, OPERATOR_TEXT("Неправильно задано число (ERR 23)"), kError, DialogIcon::Error},
}};

}  // namespace

const ResultMessage* FindResultMessage(LinkError code) {
  if (code < 1 || code > static_cast<LinkError>(kResultMessages.size())) return nullptr;
  return &kResultMessages[static_cast<std::size_t>(code - 1)];
}

std::string ResultMessageText(LinkError code) {
  const ResultMessage* message = FindResultMessage(code);
  return message != nullptr ? std::string(message->text) : "code " + std::to_string(code);
}

LinkError ReportedCode(const DialogMessage& message) {
  for (const ResultMessage& result : kResultMessages) {
    if (result.text == message.text && result.caption == message.caption) return result.code;
  }
  return kOk;
}

void ReportResult(LinkError code, OperatorDialogs& dialogs, CancelLatch& latch,
                  std::string detail) {
  dialogs.bringMainWindowForward();
  latch.ResetCancel();
  if (const ResultMessage* message = FindResultMessage(code)) {
    dialogs.ask({std::string(message->caption), std::string(message->text), message->icon,
                 DialogButtons::Ok, std::move(detail)});
  }
}

}  // namespace zorkan
