#pragma once
// The configuration journal: an entry after every whole read, whole write and single set, kept in
// the folder "journal" of the working folder. A read's or write's entry is a profile that the tool
// and any copy of it loads, made read-only so that no load rewrites it; its metadata stand in its
// section "Journal". The index "index.txt" lists the entries and is rebuilt from them wherever it
// is missing or out of date.
//
// Recording never throws and never stops the exchange it follows: it says whether it worked and
// why not, and the caller tells the operator once per run (failureToTell). A kill at any moment
// leaves no entry or a whole one, and an index whose every line names a file that is there.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "journal/journal_entry.h"
#include "link/clock.h"
#include "profiles/profile_keys.h"
#include "settings/device_settings.h"

namespace zorkan {

// The journal folder of the working folder `workDir`.
std::filesystem::path JournalFolder(const std::filesystem::path& workDir);

struct JournalOutcome {
  bool recorded = false;
  std::string reason;  // why not: "Unable to write to PATH: REASON"
};

struct JournalQuery {
  // The entries of this instrument only: its reads and writes, and the sets its commands made.
  std::optional<std::int32_t> serialNumber;
  std::optional<std::size_t> last;  // at most this many, the newest
};

class Journal {
 public:
  // The most entries kept. An entry that would make one more removes the oldest fortieth (down
  // to 1,950), so that the index is rewritten once every fifty entries rather than with each.
  // An entry takes some 3.5 KB, 12 KB at most (description lines of 1,023 characters), so the
  // folder holds some 7 MB, 25 MB at most.
  static constexpr std::size_t kMostEntries = 2000;

  // The journal in `folder`, made when the first entry is recorded.
  Journal(std::filesystem::path folder, const Clock& clock, std::size_t mostEntries = kMostEntries);

  // A whole read, whether it succeeded or not: `read` holds what the read got. The serial number
  // counts as the instrument's when the read succeeded, as the pages' otherwise. `stoppedAt`:
  // where a read that did not succeed got to.
  JournalOutcome recordRead(const JournalLink& link, LinkError result, const DeviceSettings& read,
                            std::string_view stoppedAt = {});
  // A whole write that sent something, whether it succeeded, failed or was stopped: `sent` holds
  // the settings the write sent, the serial number as the pages held it, unless the instrument's
  // own was read just before the write (`instrumentSerial`, as each instrument of a line's write).
  JournalOutcome recordWrite(const JournalLink& link, LinkError result, const DeviceSettings& sent,
                             std::string_view stoppedAt = {},
                             std::optional<std::int32_t> instrumentSerial = {});
  // A single set that sent something; one asked for from outside names its origin, and so the
  // instrument, whose reads and writes it then joins.
  JournalOutcome recordSet(const JournalLink& link, LinkError result, const SetParameter& parameter,
                           const std::optional<SetOrigin>& origin = std::nullopt);

  // The reason of this run's first failed recording, the first time it is asked for after it
  // (the window shows it in one box, zorkan-cli on one line of standard error); nullopt otherwise.
  std::optional<std::string> failureToTell();

  // Newest first.
  std::vector<JournalEntry> entries(const JournalQuery& query = {}) const;
  // The entry of this sequence number ("42") or file name.
  std::optional<JournalEntry> find(std::string_view numberOrFileName) const;
  // An entry's file, for a write of it ("zorkan-cli write PATH") or a window title.
  std::filesystem::path pathOf(const JournalEntry& entry) const { return folder_ / entry.fileName; }

  // The profile of a read or write entry into `settings`, as a profile load would take it (what
  // no profile carries, such as the serial number, stays); the file is not touched. false, with
  // the model unchanged, when the entry has no profile or its file cannot be read.
  bool loadProfile(const JournalEntry& entry, DeviceSettings& settings) const;
  // As above; `missingWrittenKeys` gets the keys of the settings a whole write sends that the file
  // does not hold (their settings took the defaults): a damaged entry, or one made by hand.
  bool loadProfile(const JournalEntry& entry, DeviceSettings& settings,
                   std::vector<profile::KeyPlace>& missingWrittenKeys) const;
  // "Вернуть настройки до записи": the newest successful read of this instrument made before
  // its newest write or commanded set; nullopt when there is neither or no such read.
  std::optional<JournalEntry> readBeforeNewestWrite(std::int32_t serialNumber) const;

 private:
  JournalOutcome record(JournalEntry entry, const DeviceSettings* profile);
  JournalOutcome failed(std::string reason);
  // Every entry, oldest first; an index out of date is written anew where the folder allows.
  std::vector<JournalEntry> allEntries() const;

  std::filesystem::path folder_;
  const Clock& clock_;
  std::size_t mostEntries_;
  std::optional<std::string> untoldFailure_;
  bool failureTold_ = false;
  std::uint64_t lastSequence_ = 0;  // of the entry this journal recorded last
};

}  // namespace zorkan
