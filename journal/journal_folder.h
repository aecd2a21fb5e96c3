#pragma once
// The journal folder as its files are: the entries, and the index that lists them so that a
// listing need not open every entry. The entries are the truth; the index is rebuilt from them
// wherever it is missing or lists otherwise than the folder holds. Whatever stops a change midway,
// every line of the index names an entry that is there.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ini/ini_document.h"
#include "journal/journal_entry.h"

namespace zorkan {

inline constexpr const char* kJournalIndexName = "index.txt";

// A file named as an entry.
struct ListedEntryFile {
  std::string name;
  std::uint64_t sequence = 0;
};

// The folder's names, no file opened.
struct JournalListing {
  std::vector<ListedEntryFile> entryFiles;
  std::uint64_t lastSequence = 0;  // the largest number they carry
  // Temporaries that writers killed long ago left behind.
  std::vector<std::filesystem::path> leftovers;
};

// A folder that is missing or cannot be read holds nothing.
JournalListing ListJournalFolder(const std::filesystem::path& folder);

// The file `name` of the folder; nullopt when it is missing, is no regular file (a pipe would
// block the reader) or is a symbolic link (the journal reads nothing outside its folder).
std::optional<IniDocument> ReadJournalDocument(const std::filesystem::path& folder,
                                               std::string_view name);

struct JournalFolderState {
  std::vector<JournalEntry> entries;  // every whole entry, oldest first
  bool indexStale = false;            // the index is missing or lists otherwise
};

// The entries from the index where its lines name files that are there, from the files themselves
// where not.
JournalFolderState ReadJournalFolder(const std::filesystem::path& folder);

// The index listing `entries`, where the folder allows.
void WriteJournalIndex(const std::filesystem::path& folder,
                       const std::vector<JournalEntry>& entries);

// The line of `entry` added to the end of an index that is there; false when there is none (or
// something else is in its place) or the file system refused. A line cut short by a kill ends
// without a line end and counts as none.
bool AppendToJournalIndex(const std::filesystem::path& folder, const JournalEntry& entry);

// The index written anew from its own lines, and from the files for the entries it lacks, over
// the entry files of `listing` (the folder as a recording found it once its own entry was in).
// With more than `mostEntries` entries there, the oldest go until `kept` are left: out of the
// index first, then out of the folder.
void RewriteJournalIndex(const std::filesystem::path& folder, const JournalListing& listing,
                         std::size_t mostEntries, std::size_t kept);

}  // namespace zorkan
