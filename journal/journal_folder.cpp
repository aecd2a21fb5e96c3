#include "journal/journal_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "ini/atomic_file.h"
#include "ini/cp1251.h"
#include "ini/file_bytes.h"
#include "journal/entry_fields.h"
#include "journal/entry_file.h"

namespace zorkan {

namespace {

// A temporary this old belongs to no writer that is still running.
constexpr auto kLeftoverAge = std::chrono::minutes(10);

constexpr std::string_view kLineEnd = "\r\n";

// The columns: the file name, the metadata fields, the first description line.
std::string IndexHeader() {
  std::string header = "# file";
  for (const std::string_view name : kEntryFieldNames) (header += '\t') += name;
  return header + "\tdescription";
}

// CP1251, without its line end.
std::string IndexLine(const JournalEntry& entry) {
  std::string line = entry.fileName;
  for (const std::string& text : FieldTextsOf(entry)) (line += '\t') += text;
  return Utf8ToCp1251((line += '\t') += OneLine(entry.description));
}

std::optional<JournalEntry> ParseIndexLine(std::string_view bytes) {
  const std::string line = Cp1251ToUtf8(bytes);
  std::vector<std::string> columns;
  for (std::size_t begin = 0;;) {
    const std::size_t tab = line.find('\t', begin);
    columns.push_back(line.substr(begin, tab - begin));
    if (tab == std::string::npos) break;
    begin = tab + 1;
  }
  EntryFieldTexts texts;
  if (columns.size() != texts.size() + 2) return std::nullopt;
  std::move(columns.begin() + 1, columns.end() - 1, texts.begin());
  const std::optional<EntryName> name = ParseEntryFileName(columns.front());
  std::optional<JournalEntry> entry = EntryOfFieldTexts(texts);
  if (!name || !entry || entry->action != name->action) return std::nullopt;
  entry->fileName = std::move(columns.front());
  entry->sequence = name->sequence;
  entry->description = std::move(columns.back());
  return entry;
}

// Empty where no index is, or something else is in its place.
std::string ReadIndexBytes(const std::filesystem::path& folder) {
  std::string bytes;
  (void)ReadRegularFile(folder / kJournalIndexName, bytes, SymbolicLinks::Refused);
  return bytes;
}

// The lines that end with a line end, but the header: what follows the last line end is a line a
// kill cut short.
template <typename OnLine>
void ForEachIndexLine(std::string_view bytes, OnLine&& onLine) {
  for (std::size_t begin = 0, end = 0; (end = bytes.find(kLineEnd, begin)) != std::string::npos;
       begin = end + kLineEnd.size()) {
    const std::string_view line = bytes.substr(begin, end - begin);
    if (!line.starts_with('#')) onLine(line);
  }
}

// The index is a cache that the files rebuild: the old one is removed before the new one is
// renamed in, because a rename over a file makes ext4 write the new file out at once, which costs
// milliseconds. A kill in between, or a write refused, leaves no index, which the next reader
// rebuilds. false when the old index could not be removed.
bool ReplaceIndex(const std::filesystem::path& folder, const std::string& lines) {
  const std::filesystem::path path = folder / kJournalIndexName;
  std::error_code error;
  if (!std::filesystem::remove(path, error) && error) {
    // A folder in the index's place names no entry either.
    return std::filesystem::is_directory(std::filesystem::symlink_status(path, error));
  }
  (void)ReplaceFileAtomically(path, Utf8ToCp1251(IndexHeader()) + std::string(kLineEnd) + lines);
  return true;
}

bool IsLeftover(int folder, const char* name) {
  const std::string_view text(name);
  if (!text.starts_with('.') || text.find(".tmp-") == std::string_view::npos) return false;
  struct stat status {};
  return ::fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
         std::chrono::system_clock::now() -
                 std::chrono::system_clock::from_time_t(status.st_mtim.tv_sec) >
             kLeftoverAge;
}

// A file named as an entry: its number, and whether an index line has named it yet.
struct EntryFile {
  std::uint64_t sequence = 0;
  bool listed = false;
};

// By name; the names are the listing's, which outlives the map.
std::unordered_map<std::string_view, EntryFile> EntryFiles(const JournalListing& listing) {
  std::unordered_map<std::string_view, EntryFile> files;
  files.reserve(listing.entryFiles.size());
  for (const ListedEntryFile& file : listing.entryFiles) {
    files.emplace(file.name, EntryFile{file.sequence});
  }
  return files;
}

// The entry a file holds; nullopt for a file named as an entry that holds none.
std::optional<JournalEntry> ReadEntryFile(const std::filesystem::path& folder,
                                          const std::string& name) {
  const std::optional<IniDocument> document = ReadJournalDocument(folder, name);
  if (!document) return std::nullopt;
  return EntryOfDocument(name, *document);
}

// Two writers at one moment may take one number under two names.
bool Older(const JournalEntry& a, const JournalEntry& b) {
  return std::tie(a.sequence, a.fileName) < std::tie(b.sequence, b.fileName);
}

}  // namespace

std::optional<IniDocument> ReadJournalDocument(const std::filesystem::path& folder,
                                               std::string_view name) {
  std::string bytes;
  if (ReadRegularFile(folder / name, bytes, SymbolicLinks::Refused) != FileRead::Read) {
    return std::nullopt;
  }
  return IniDocument(std::move(bytes));
}

// Plain readdir: a recording lists the whole folder, and a path built for each name would cost
// more than the rest of the recording.
JournalListing ListJournalFolder(const std::filesystem::path& folder) {
  JournalListing listing;
  DIR* directory = ::opendir(folder.c_str());
  if (directory == nullptr) return listing;
  while (const dirent* item = ::readdir(directory)) {
    if (const std::optional<EntryName> entryName = ParseEntryFileName(item->d_name)) {
      listing.entryFiles.push_back({item->d_name, entryName->sequence});
      listing.lastSequence = std::max(listing.lastSequence, entryName->sequence);
    } else if (IsLeftover(::dirfd(directory), item->d_name)) {
      listing.leftovers.push_back(folder / item->d_name);
    }
  }
  ::closedir(directory);
  return listing;
}

JournalFolderState ReadJournalFolder(const std::filesystem::path& folder) {
  JournalFolderState state;
  const JournalListing listing = ListJournalFolder(folder);
  std::unordered_map<std::string_view, EntryFile> files = EntryFiles(listing);
  const std::string index = ReadIndexBytes(folder);
  ForEachIndexLine(index, [&](std::string_view line) {
    std::optional<JournalEntry> entry = ParseIndexLine(line);
    const auto file = entry ? files.find(entry->fileName) : files.end();
    // A line for a file that is gone, a second line for one file, or a damaged line.
    if (file == files.end() || file->second.listed) {
      state.indexStale = true;
      return;
    }
    file->second.listed = true;
    state.entries.push_back(std::move(*entry));
  });
  for (const auto& [name, file] : files) {
    if (file.listed) continue;
    if (std::optional<JournalEntry> entry = ReadEntryFile(folder, std::string(name))) {
      state.entries.push_back(std::move(*entry));
      state.indexStale = true;
    }
  }
  std::sort(state.entries.begin(), state.entries.end(), Older);
  return state;
}

void WriteJournalIndex(const std::filesystem::path& folder,
                       const std::vector<JournalEntry>& entries) {
  std::string lines;
  for (const JournalEntry& entry : entries) (lines += IndexLine(entry)) += kLineEnd;
  (void)ReplaceIndex(folder, lines);
}

bool AppendToJournalIndex(const std::filesystem::path& folder, const JournalEntry& entry) {
  // A pipe without a reader refuses a non-blocking open; one with a reader, or a link, a folder
  // or a device, is no index.
  const int fd = ::open((folder / kJournalIndexName).c_str(),
                        O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return false;
  }
  // One write, so that two writers' lines do not interleave.
  const std::string line = IndexLine(entry) + std::string(kLineEnd);
  const bool appended = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
  return ::close(fd) == 0 && appended;
}

void RewriteJournalIndex(const std::filesystem::path& folder, const JournalListing& listing,
                         std::size_t mostEntries, std::size_t kept) {
  std::unordered_map<std::string_view, EntryFile> files = EntryFiles(listing);
  // The index's own lines are taken as they are, unparsed: a reader that finds one damaged reads
  // its file instead. Lines of files that are gone, and second lines, are dropped.
  struct Line {
    std::uint64_t sequence;
    std::string_view name;
    std::string_view text;
  };
  std::vector<Line> lines;
  lines.reserve(files.size());
  const std::string index = ReadIndexBytes(folder);
  ForEachIndexLine(index, [&](std::string_view line) {
    const auto file = files.find(line.substr(0, line.find('\t')));
    if (file == files.end() || file->second.listed) return;
    file->second.listed = true;
    lines.push_back({file->second.sequence, file->first, line});
  });
  std::deque<std::string> linesOfFiles;  // where the text of a line made from its file stays
  for (const auto& [name, file] : files) {
    if (file.listed) continue;
    if (const std::optional<JournalEntry> entry = ReadEntryFile(folder, std::string(name))) {
      lines.push_back({file.sequence, name, linesOfFiles.emplace_back(IndexLine(*entry))});
    }
  }
  std::sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
    return std::tie(a.sequence, a.name) < std::tie(b.sequence, b.name);
  });

  const std::size_t pruned = lines.size() > mostEntries ? lines.size() - kept : 0;
  std::string text;
  text.reserve(index.size() + kLineEnd.size() * linesOfFiles.size());
  for (auto line = lines.begin() + static_cast<std::ptrdiff_t>(pruned); line != lines.end();
       ++line) {
    (text += line->text) += kLineEnd;
  }
  // A pruned file may go only once no line names it.
  if (!ReplaceIndex(folder, text)) return;
  const int directory = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory < 0) return;
  // By name in the folder: a path and a look at the file for each would double the cost.
  for (auto line = lines.begin(); line != lines.begin() + static_cast<std::ptrdiff_t>(pruned);
       ++line) {
    (void)::unlinkat(directory, std::string(line->name).c_str(), 0);
  }
  ::close(directory);
}

}  // namespace zorkan
