#pragma once
// The commands of zorkan-cli, each a parser of the arguments after its words and a runner that
// returns the exit status; the command table names them.

#include <variant>

#include "cli/command_line.h"
#include "cli/command_table.h"
#include "cli/session.h"

namespace zorkan::cli {

std::variant<ReadCommand, UsageError> ParseRead(const Arguments& arguments);
int RunRead(const ReadCommand& command, Session& session);

std::variant<WriteCommand, UsageError> ParseWrite(const Arguments& arguments);
int RunWrite(const WriteCommand& command, Session& session);

std::variant<GetCommand, UsageError> ParseGet(const Arguments& arguments);
int RunGet(const GetCommand& command, Session& session);

std::variant<SetCommand, UsageError> ParseSet(const Arguments& arguments);
int RunSet(const SetCommand& command, Session& session);

std::variant<LiveCommand, UsageError> ParseLive(const Arguments& arguments);
int RunLive(const LiveCommand& command, Session& session);

std::variant<ScanCommand, UsageError> ParseScan(const Arguments& arguments);
int RunScan(const ScanCommand& command, Session& session);

std::variant<DiffCommand, UsageError> ParseDiff(const Arguments& arguments);
int RunDiff(const DiffCommand& command, Session& session);

std::variant<PublishCommand, UsageError> ParsePublish(const Arguments& arguments);
int RunPublish(const PublishCommand& command, Session& session);

std::variant<JournalCommand, UsageError> ParseJournal(const Arguments& arguments);
int RunJournal(const JournalCommand& command, Session& session);

std::variant<JournalDiffCommand, UsageError> ParseJournalDiff(const Arguments& arguments);
int RunJournalDiff(const JournalDiffCommand& command, Session& session);

std::variant<TuneCommand, UsageError> ParseTune(const Arguments& arguments);
int RunTune(const TuneCommand& command, Session& session);

}  // namespace zorkan::cli
