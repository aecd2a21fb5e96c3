#include "workflows/exchange_journal.h"

#include <string>

#include "operator/operator_text.h"

namespace zorkan {

namespace {

// The heading and step the progress panel showed last, as the console prints them.
std::string StoppedAt(const Progress& progress, LinkError result) {
  if (result == kOk) return {};
  const std::string& heading = progress.lines()[1];
  const std::string& step = progress.lines()[2];
  if (heading.empty() || step.empty()) return heading + step;
  return FillText(OPERATOR_TEXT("%1: %2"), heading, step);
}

}  // namespace

JournalLink JournalLinkOf(const DeviceLink& link) {
  return JournalLink{link.portPath(), link.parameters().networkAddress, link.baudRate()};
}

void RecordWholeRead(ExchangeContext& exchange, LinkError result, const DeviceSettings& read) {
  if (exchange.journal == nullptr) return;
  exchange.journal->recordRead(JournalLinkOf(exchange.link), result, read,
                               StoppedAt(exchange.progress, result));
}

void RecordWholeWrite(ExchangeContext& exchange, LinkError result, const DeviceSettings& sent) {
  if (exchange.journal == nullptr) return;
  exchange.journal->recordWrite(JournalLinkOf(exchange.link), result, sent,
                                StoppedAt(exchange.progress, result), exchange.instrumentSerial);
}

void RecordSet(ExchangeContext& exchange, LinkError result, const SetParameter& parameter,
               const std::optional<SetOrigin>& origin) {
  if (exchange.journal == nullptr) return;
  exchange.journal->recordSet(JournalLinkOf(exchange.link), result, parameter, origin);
}

void TellJournalFailure(ExchangeContext& exchange) {
  if (exchange.journal == nullptr) return;
  if (const std::optional<std::string> reason = exchange.journal->failureToTell()) {
    ShowMessage(exchange.dialogs, OPERATOR_TEXT("Журнал настроек"),
                FillText(OPERATOR_TEXT("Журнал настроек не ведётся: %1. На обмен с прибором это не "
                                       "влияет; до нового запуска программы это сообщение больше "
                                       "не появится."),
                         *reason),
                DialogIcon::Warning);
  }
}

}  // namespace zorkan
