#include "journal/entry_file.h"

#include <algorithm>
#include <charconv>
#include <cinttypes>
#include <cstdio>

#include "journal/entry_fields.h"
#include "profiles/profile_document.h"
#include "profiles/profile_keys.h"

namespace zorkan {

namespace {

constexpr std::string_view kMetadataSection = "Journal";
constexpr JournalAction kActions[] = {JournalAction::Read, JournalAction::Write,
                                      JournalAction::Set};

std::string_view FileEnding(JournalAction action) {
  switch (action) {
    case JournalAction::Read:
      return "-read.prf";
    case JournalAction::Write:
      return "-write.prf";
    case JournalAction::Set:
      return "-set.txt";
  }
  return {};
}

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string EntryFileName(std::uint64_t sequence, const LocalTime& time, JournalAction action) {
  char text[128];
  std::snprintf(text, sizeof text, "%08" PRIu64 "-%04d%02d%02d-%02d%02d%02d", sequence, time.year,
                time.month, time.day, time.hour, time.minute, time.second);
  return text + std::string(FileEnding(action));
}

std::optional<EntryName> ParseEntryFileName(std::string_view name) {
  for (const JournalAction action : kActions) {
    if (!name.ends_with(FileEnding(action))) continue;
    name.remove_suffix(FileEnding(action).size());
    // "-20261208-143005" after the sequence number.
    constexpr std::size_t kTimeLength = 16;
    constexpr std::size_t kLeastSequenceDigits = 8;
    if (name.size() < kLeastSequenceDigits + kTimeLength) return std::nullopt;
    const std::string_view sequence = name.substr(0, name.size() - kTimeLength);
    const std::string_view time = name.substr(sequence.size());
    if (!AllDigits(sequence) || time[0] != '-' || !AllDigits(time.substr(1, 8)) || time[9] != '-' ||
        !AllDigits(time.substr(10))) {
      return std::nullopt;
    }
    EntryName parsed{0, action};
    const auto [end, error] =
        std::from_chars(sequence.data(), sequence.data() + sequence.size(), parsed.sequence);
    if (error != std::errc()) return std::nullopt;
    return parsed;
  }
  return std::nullopt;
}

IniDocument EntryDocument(const JournalEntry& entry) {
  IniDocument document;
  const EntryFieldTexts texts = FieldTextsOf(entry);
  for (std::size_t field = 0; field < texts.size(); ++field) {
    if (!texts[field].empty()) {
      document.writeText(kMetadataSection, kEntryFieldNames[field], texts[field]);
    }
  }
  return document;
}

std::optional<JournalEntry> EntryOfDocument(std::string_view fileName,
                                            const IniDocument& document) {
  const std::optional<EntryName> name = ParseEntryFileName(fileName);
  if (!name) return std::nullopt;
  EntryFieldTexts texts;
  for (std::size_t field = 0; field < texts.size(); ++field) {
    texts[field] = document.readText(kMetadataSection, kEntryFieldNames[field], "");
  }
  std::optional<JournalEntry> entry = EntryOfFieldTexts(texts);
  if (!entry || entry->action != name->action) return std::nullopt;
  entry->fileName = fileName;
  entry->sequence = name->sequence;
  if (entry->action != JournalAction::Set) {
    // A profile without its sections would load as the defaults.
    if (!HoldsProfileSection(document)) return std::nullopt;
    const profile::ProfileKey& firstLine = profile::FirstDescriptionKey();
    entry->description =
        OneLine(document.readText(profile::SectionName(firstLine.section, 0), firstLine.name, ""));
  }
  return entry;
}

}  // namespace zorkan
