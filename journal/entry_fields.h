#pragma once
// The metadata of an entry as one text per field: an entry file keeps them as the keys of its
// section "Journal", the index as the columns of a line, under the same names.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "journal/journal_entry.h"

namespace zorkan {

inline constexpr std::array<std::string_view, 15> kEntryFieldNames{
    "time",       "action", "result", "port", "address", "baud",   "serial", "serial_source",
    "stopped_at", "space",  "number", "kind", "value",   "source", "id"};

using EntryFieldTexts = std::array<std::string, kEntryFieldNames.size()>;

// Empty texts for what the entry has not (a read's parameter, the source of the tool's own set).
EntryFieldTexts FieldTextsOf(const JournalEntry& entry);

// The metadata the texts hold, without the file name, sequence and description; nullopt when a
// text is no value of its field or a field the action needs is empty.
std::optional<JournalEntry> EntryOfFieldTexts(const EntryFieldTexts& texts);

// A text that stays on its line and in its column: tabs and line breaks become blanks.
std::string OneLine(std::string text);

}  // namespace zorkan
