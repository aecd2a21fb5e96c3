// journal: the configuration journal listed, and one entry compared with another or with the
// instrument. Nothing here writes to the instrument.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "cli/commands.h"
#include "cli/difference_lines.h"
#include "cli/profile_files.h"
#include "workflows/instrument_comparison.h"

namespace zorkan::cli {

namespace {

std::string SerialText(const JournalEntry& entry) {
  if (!entry.serial) return "-";
  return std::to_string(entry.serial->number) + " " +
         std::string(SerialSourceName(entry.serial->source));
}

// The description line of a read or write; the parameter and value of a set, and where a set
// from outside came from ("2 29 float 155.5 from mqtt, id 7f3a").
std::string WhatText(const JournalEntry& entry) {
  if (!entry.parameter) return entry.description;
  std::string text = SetParameterText(*entry.parameter);
  if (!entry.source.empty()) text += " from " + entry.source;
  if (!entry.commandId.empty()) text += ", id " + entry.commandId;
  return text;
}

// The read or write entry a number or a file name names, the file name also with its folder
// ("journal/00000042-20261208-143140-write.prf"), as the listing prints it.
std::optional<JournalEntry> FindProfileEntry(const Journal& journal, const std::string& name) {
  std::optional<JournalEntry> entry = journal.find(std::filesystem::path(name).filename().string());
  if (!entry) {
    Refused(name, "no entry of the journal");
  } else if (entry->action == JournalAction::Set) {
    Refused(name, "the entry of a set holds no profile");
    entry.reset();
  }
  return entry;
}

}  // namespace

int RunJournal(const JournalCommand& command, Session& session) {
  JournalQuery query;
  query.serialNumber = command.serialNumber;
  query.last = command.last;
  const Journal& journal = session.journal();
  // The file as the working folder names it, for zorkan-cli write.
  for (const JournalEntry& entry : journal.entries(query)) {
    std::string line = std::to_string(entry.sequence) + "\t" + JournalTimeText(entry.time) + "\t" +
                       std::string(ActionName(entry.action)) + "\t" + std::to_string(entry.result) +
                       "\t" + SerialText(entry) + "\t" +
                       (JournalFolder({}) / entry.fileName).string() + "\t" + WhatText(entry);
    if (!entry.stoppedAt.empty()) line += "\t" + entry.stoppedAt;
    std::printf("%s\n", line.c_str());
  }
  return kOk;
}

int RunJournalDiff(const JournalDiffCommand& command, Session& session) {
  const Journal& journal = session.journal();
  const std::optional<JournalEntry> first = FindProfileEntry(journal, command.first);
  if (!first) return kExitProfileUnusable;
  if (command.second) {
    const std::optional<JournalEntry> second = FindProfileEntry(journal, *command.second);
    if (!second) return kExitProfileUnusable;
    const auto differences = journal.compare(*first, *second);
    if (!differences) return Refused(JournalFolder({}), "an entry's file cannot be read");
    return PrintDifferences(*differences);
  }
  DeviceSettings entryProfile;
  if (!journal.loadProfile(*first, entryProfile)) {
    return Refused(journal.pathOf(*first), "cannot be read");
  }
  if (!session.openPort()) return session.finish(kNoAnswer);
  ExchangeContext exchange = session.exchange();
  InstrumentComparison comparison = CompareInstrumentWith(exchange, entryProfile);
  if (comparison.result != kOk) return comparison.result;
  // The entry was named first.
  for (ProfileKeyDifference& difference : comparison.differences) {
    std::swap(difference.firstValue, difference.secondValue);
  }
  return PrintDifferences(comparison.differences);
}

}  // namespace zorkan::cli
