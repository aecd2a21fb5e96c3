#pragma once
// The run's journal seen from the exchanges: what a whole read, a whole write or a single set did,
// recorded after it with the link it went over. Recording sends nothing and changes no result; a
// journal that cannot be written is told to the operator once per run, after the exchange's own
// message.

#include "journal/journal.h"
#include "workflows/exchange_context.h"

namespace zorkan {

// The port, network address and baud rate the link works with.
JournalLink JournalLinkOf(const DeviceLink& link);

// Nothing where the exchange has no journal.
void RecordWholeRead(ExchangeContext& exchange, LinkError result, const DeviceSettings& read);
void RecordWholeWrite(ExchangeContext& exchange, LinkError result, const DeviceSettings& sent);
// `origin`: a set asked for from outside the tool, such as a broker's command.
void RecordSet(ExchangeContext& exchange, LinkError result, const SetParameter& parameter,
               const std::optional<SetOrigin>& origin = std::nullopt);

// The first recording of this run that failed, in one box (on the command line, one line of
// standard error); nothing once that was told.
void TellJournalFailure(ExchangeContext& exchange);

}  // namespace zorkan
