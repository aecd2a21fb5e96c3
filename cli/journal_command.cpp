// journal: the configuration journal listed, and one entry compared with another or with the
// instrument. Nothing here writes to the instrument.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "cli/difference_lines.h"
#include "cli/json_text.h"
#include "cli/profile_files.h"
#include "profiles/profile_difference.h"
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

std::string EntryJson(const JournalEntry& entry, const std::string& file) {
  JsonObject json;
  json.integer("number", entry.sequence)
      .string("time", IsoTimeText(entry.time))
      .string("action", ActionName(entry.action))
      .integer("result", entry.result);
  if (entry.serial) {
    json.integer("serialNumber", entry.serial->number)
        .string("serialSource", SerialSourceName(entry.serial->source));
  } else {
    json.null("serialNumber").null("serialSource");
  }
  json.string("file", file).string("description", entry.description);
  if (const std::optional<SetParameter>& set = entry.parameter) {
    json.json("parameter", JsonObject()
                               .integer("space", set->space)
                               .integer("number", set->number)
                               .string("type", ValueKindName(set->kind))
                               .json("value", SetValueText(*set))
                               .text());
  } else {
    json.null("parameter");
  }
  if (entry.stoppedAt.empty()) return json.null("stoppedAt").text();
  return json.string("stoppedAt", entry.stoppedAt).text();
}

// The profile of the read or write entry a number or a file name names, the file name also with
// its folder ("journal/00000042-20261208-143140-write.prf"), as the listing prints it. Refused, as
// write refuses its file, when it lacks some of the settings a write sends.
std::optional<DeviceSettings> EntryProfile(const Journal& journal, const std::string& name) {
  const std::optional<JournalEntry> entry =
      journal.find(std::filesystem::path(name).filename().string());
  if (!entry) {
    Refused(name, "no entry of the journal");
    return std::nullopt;
  }
  if (entry->action == JournalAction::Set) {
    Refused(name, "the entry of a set holds no profile");
    return std::nullopt;
  }
  DeviceSettings profile;
  std::vector<profile::KeyPlace> missing;
  if (!journal.loadProfile(*entry, profile, missing)) {
    Refused(journal.pathOf(*entry), "cannot be read");
    return std::nullopt;
  }
  if (const std::optional<std::string> reason = MissingSettingsText(missing)) {
    Refused(journal.pathOf(*entry), *reason);
    return std::nullopt;
  }
  return profile;
}

}  // namespace

int RunJournal(const JournalCommand& command, Session& session) {
  JournalQuery query;
  query.serialNumber = command.serialNumber;
  query.last = command.last;
  const Journal& journal = session.journal();
  std::vector<std::string> objects;
  for (const JournalEntry& entry : journal.entries(query)) {
    // The file as the working folder names it, for zorkan-cli write.
    const std::string file = (JournalFolder({}) / entry.fileName).string();
    if (command.json) {
      objects.push_back(EntryJson(entry, file));
      continue;
    }
    std::string line = std::to_string(entry.sequence) + "\t" + JournalTimeText(entry.time) + "\t" +
                       std::string(ActionName(entry.action)) + "\t" + std::to_string(entry.result) +
                       "\t" + SerialText(entry) + "\t" + file + "\t" + WhatText(entry);
    if (!entry.stoppedAt.empty()) line += "\t" + entry.stoppedAt;
    std::printf("%s\n", line.c_str());
  }
  if (command.json) {
    std::printf("%s\n", JsonObject().json("entries", JsonArray(objects)).text().c_str());
  }
  return kOk;
}

int RunJournalDiff(const JournalDiffCommand& command, Session& session) {
  const Journal& journal = session.journal();
  const std::optional<DeviceSettings> first = EntryProfile(journal, command.first);
  if (!first) return kExitProfileUnusable;
  if (command.second) {
    const std::optional<DeviceSettings> second = EntryProfile(journal, *command.second);
    if (!second) return kExitProfileUnusable;
    return PrintDifferences(DifferingProfileKeys(*first, *second), command.json, {"a", "b"});
  }
  if (const auto refused = session.open()) return *refused;
  ExchangeContext exchange = session.exchange();
  InstrumentComparison comparison = CompareInstrumentWith(exchange, *first);
  if (comparison.result != kOk) return comparison.result;
  // The entry was named first.
  for (ProfileKeyDifference& difference : comparison.differences) {
    std::swap(difference.firstValue, difference.secondValue);
  }
  return PrintDifferences(comparison.differences, command.json, {"a", "instrument"});
}

}  // namespace zorkan::cli
