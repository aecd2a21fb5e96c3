#pragma once
// An entry's file: its name, which sorts by the order of recording, and its content, the metadata
// in the section "Journal" followed, for a read or a write, by the profile.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ini/ini_document.h"
#include "journal/journal_entry.h"

namespace zorkan {

// "00000042-20261208-143005-read.prf": the sequence number in at least eight digits, the local
// date and time, the action. Read and write entries are profiles (".prf"), set entries plain
// texts (".txt").
std::string EntryFileName(std::uint64_t sequence, const LocalTime& time, JournalAction action);

struct EntryName {
  std::uint64_t sequence = 0;
  JournalAction action = JournalAction::Read;
};

// nullopt for a name that no entry has.
std::optional<EntryName> ParseEntryFileName(std::string_view name);

// The metadata of `entry`; a read or write entry's profile is added to it.
IniDocument EntryDocument(const JournalEntry& entry);

// The entry that the file `fileName` holds; nullopt when the file is no entry of that name.
std::optional<JournalEntry> EntryOfDocument(std::string_view fileName, const IniDocument& document);

}  // namespace zorkan
