#pragma once
// The commands of zorkan-cli; each returns the exit status.

#include "cli/command_line.h"
#include "cli/session.h"

namespace zorkan::cli {

int RunRead(const ReadCommand& command, Session& session);
int RunWrite(const WriteCommand& command, Session& session);
int RunGet(const GetCommand& command, Session& session);
int RunSet(const SetCommand& command, Session& session);
int RunLive(const LiveCommand& command, Session& session);
int RunScan(const ScanCommand& command, Session& session);
int RunDiff(const DiffCommand& command, Session& session);
int RunPublish(const PublishCommand& command, Session& session);
int RunJournal(const JournalCommand& command, Session& session);
int RunJournalDiff(const JournalDiffCommand& command, Session& session);

}  // namespace zorkan::cli
