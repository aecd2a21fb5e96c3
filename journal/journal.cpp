#include "journal/journal.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <limits>
#include <string>
#include <system_error>
#include <utility>

#include "ini/atomic_file.h"
#include "ini/ini_file.h"
#include "journal/entry_file.h"
#include "journal/journal_folder.h"
#include "profiles/instrument_keys.h"
#include "profiles/profile_document.h"
#include "settings/control_conversions.h"

namespace zorkan {

namespace {

constexpr std::filesystem::perms kReadOnly = std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read;

// A full journal drops this share of its entries, the oldest, at once.
constexpr std::size_t kPrunedShare = 40;

// A name or a number is taken only when another writer recorded at the same moment; this many in
// a row mean something else is wrong.
constexpr int kMostNameAttempts = 100;

std::string UnableToWrite(const std::filesystem::path& folder, const std::string& reason) {
  return UnableToWriteText(folder) + ": " + reason;
}

JournalEntry NewEntry(JournalAction action, const JournalLink& link, LinkError result) {
  JournalEntry entry;
  entry.action = action;
  entry.result = result;
  entry.link = link;
  return entry;
}

void RemoveFiles(const std::vector<std::filesystem::path>& paths) {
  for (const std::filesystem::path& path : paths) {
    std::error_code error;
    std::filesystem::remove(path, error);
  }
}

// Each entry's number is one more than the largest there. Two writers that listed the folder at
// one moment would take the same number under two names (their times or actions differ), so a
// writer lists the folder once its file is in, and where another entry carries its number or a
// larger one, it gives the number up and tries the one after the largest: of two writers on one
// number, the one that looked later always sees the other, so they never both keep it. The largest
// number the journal saw last (`lastSeen`, 0 for none) stands in for a listing before the file:
// where no other writer has recorded since, it is right, and where one has, the listing after
// tells.
//
// The reason when the file could not be made; otherwise `listing` is the folder once it is in.
std::optional<std::string> CreateEntryFile(const std::filesystem::path& folder, JournalEntry& entry,
                                           const IniDocument& document, JournalListing& listing,
                                           std::uint64_t& lastSeen) {
  std::uint64_t last = lastSeen != 0 ? lastSeen : ListJournalFolder(folder).lastSequence;
  for (int attempt = 1; attempt <= kMostNameAttempts; ++attempt) {
    // Numbering from the start again would sort the new entries before every other.
    if (last == std::numeric_limits<std::uint64_t>::max()) {
      return "no entry number is left after " + std::to_string(last);
    }
    entry.sequence = last + 1;
    entry.fileName = EntryFileName(entry.sequence, entry.time, entry.action);
    const std::filesystem::path path = folder / entry.fileName;
    const std::error_code error = CreateFileAtomically(path, document.bytes(), kReadOnly);
    if (error == std::errc::file_exists) {
      last = entry.sequence;
      continue;
    }
    if (error) return error.message();
    listing = ListJournalFolder(folder);
    const bool shared = std::any_of(
        listing.entryFiles.begin(), listing.entryFiles.end(), [&](const ListedEntryFile& file) {
          return file.sequence == entry.sequence && file.name != entry.fileName;
        });
    if (!shared && listing.lastSequence == entry.sequence) {
      lastSeen = entry.sequence;
      return std::nullopt;
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    last = std::max(listing.lastSequence, entry.sequence);
  }
  return "every entry number tried was taken by another writer";
}

}  // namespace

std::filesystem::path JournalFolder(const std::filesystem::path& workDir) {
  return workDir / "journal";
}

Journal::Journal(std::filesystem::path folder, const Clock& clock, std::size_t mostEntries)
    : folder_(std::move(folder)),
      clock_(clock),
      mostEntries_(std::max<std::size_t>(mostEntries, 1)) {}

JournalOutcome Journal::recordRead(const JournalLink& link, LinkError result,
                                   const DeviceSettings& read, std::string_view stoppedAt) {
  JournalEntry entry = NewEntry(JournalAction::Read, link, result);
  entry.stoppedAt = stoppedAt;
  entry.serial = EntrySerial{ShownSerialNumber(read.general.serialNumber),
                             result == kOk ? SerialSource::Instrument : SerialSource::Pages};
  return record(std::move(entry), &read);
}

JournalOutcome Journal::recordWrite(const JournalLink& link, LinkError result,
                                    const DeviceSettings& sent, std::string_view stoppedAt,
                                    std::optional<std::int32_t> instrumentSerial) {
  JournalEntry entry = NewEntry(JournalAction::Write, link, result);
  entry.stoppedAt = stoppedAt;
  entry.serial =
      instrumentSerial
          ? EntrySerial{ShownSerialNumber(*instrumentSerial), SerialSource::Instrument}
          : EntrySerial{ShownSerialNumber(sent.general.serialNumber), SerialSource::Pages};
  return record(std::move(entry), &sent);
}

JournalOutcome Journal::recordSet(const JournalLink& link, LinkError result,
                                  const SetParameter& parameter,
                                  const std::optional<SetOrigin>& origin) {
  JournalEntry entry = NewEntry(JournalAction::Set, link, result);
  entry.parameter = parameter;
  if (origin) {
    entry.serial = EntrySerial{ShownSerialNumber(origin->serialNumber), SerialSource::Instrument};
    entry.source = origin->source;
    entry.commandId = origin->commandId;
  }
  return record(std::move(entry), nullptr);
}

JournalOutcome Journal::record(JournalEntry entry, const DeviceSettings* profile) {
  try {
    entry.time = clock_.localTime();
    IniDocument document = EntryDocument(entry);
    if (profile) SaveCompleteProfileInto(document, *profile);

    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) return failed(UnableToWrite(folder_, error.message()));
    JournalListing listing;
    if (std::optional<std::string> failure =
            CreateEntryFile(folder_, entry, document, listing, lastSequence_)) {
      return failed(UnableToWrite(folder_, *failure));
    }

    // As a rebuilt index will list it.
    if (std::optional<JournalEntry> written = EntryOfDocument(entry.fileName, document)) {
      entry = std::move(*written);
    }
    // The oldest go a batch at a time, so that the index is rewritten once a batch rather than
    // with each entry. The rewrite finds this entry's line in the index, and need not read its
    // file back.
    const bool full = listing.entryFiles.size() > mostEntries_;
    if (!AppendToJournalIndex(folder_, entry) || full) {
      RewriteJournalIndex(folder_, listing, mostEntries_,
                          mostEntries_ - mostEntries_ / kPrunedShare);
    }
    RemoveFiles(listing.leftovers);
    return JournalOutcome{true, {}};
  } catch (const std::exception& exception) {
    return failed(UnableToWrite(folder_, exception.what()));
  }
}

JournalOutcome Journal::failed(std::string reason) {
  if (!failureTold_ && !untoldFailure_) untoldFailure_ = reason;
  return JournalOutcome{false, std::move(reason)};
}

std::optional<std::string> Journal::failureToTell() {
  if (!untoldFailure_) return std::nullopt;
  failureTold_ = true;
  return std::exchange(untoldFailure_, std::nullopt);
}

std::vector<JournalEntry> Journal::allEntries() const {
  JournalFolderState state = ReadJournalFolder(folder_);
  // For the next reader; where the folder refuses, the next one reads the files again.
  if (state.indexStale) WriteJournalIndex(folder_, state.entries);
  return std::move(state.entries);
}

std::vector<JournalEntry> Journal::entries(const JournalQuery& query) const {
  std::vector<JournalEntry> all = allEntries();
  std::vector<JournalEntry> found;
  for (auto entry = all.rbegin(); entry != all.rend(); ++entry) {
    if (query.last && found.size() == *query.last) break;
    if (query.serialNumber && (!entry->serial || entry->serial->number != *query.serialNumber)) {
      continue;
    }
    found.push_back(std::move(*entry));
  }
  return found;
}

std::optional<JournalEntry> Journal::find(std::string_view numberOrFileName) const {
  const std::optional<std::uint64_t> number = [&]() -> std::optional<std::uint64_t> {
    std::uint64_t value = 0;
    const char* end = numberOrFileName.data() + numberOrFileName.size();
    const auto [stop, error] = std::from_chars(numberOrFileName.data(), end, value);
    if (numberOrFileName.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
  }();
  std::vector<JournalEntry> all = allEntries();
  const auto found = std::find_if(all.rbegin(), all.rend(), [&](const JournalEntry& entry) {
    return number ? entry.sequence == *number : entry.fileName == numberOrFileName;
  });
  if (found == all.rend()) return std::nullopt;
  return std::move(*found);
}

bool Journal::loadProfile(const JournalEntry& entry, DeviceSettings& settings) const {
  std::vector<profile::KeyPlace> missingWrittenKeys;
  return loadProfile(entry, settings, missingWrittenKeys);
}

bool Journal::loadProfile(const JournalEntry& entry, DeviceSettings& settings,
                          std::vector<profile::KeyPlace>& missingWrittenKeys) const {
  if (entry.action == JournalAction::Set) return false;
  std::optional<IniDocument> profile = ReadJournalDocument(folder_, entry.fileName);
  if (!profile || !HoldsProfileSection(*profile)) return false;
  missingWrittenKeys = MissingWrittenKeys(*profile);
  // The load's write-backs change the document in memory only.
  LoadProfileFrom(*profile, settings);
  return true;
}

std::optional<JournalEntry> Journal::readBeforeNewestWrite(std::int32_t serialNumber) const {
  JournalQuery instrument;
  instrument.serialNumber = serialNumber;
  const std::vector<JournalEntry> newestFirst = entries(instrument);
  // The instrument's entries hold no set but those of commands.
  const auto write = std::find_if(newestFirst.begin(), newestFirst.end(), [](const auto& entry) {
    return entry.action == JournalAction::Write || entry.action == JournalAction::Set;
  });
  if (write == newestFirst.end()) return std::nullopt;
  const auto read = std::find_if(write, newestFirst.end(), [](const JournalEntry& entry) {
    return entry.action == JournalAction::Read && entry.result == kOk;
  });
  if (read == newestFirst.end()) return std::nullopt;
  return *read;
}

}  // namespace zorkan
