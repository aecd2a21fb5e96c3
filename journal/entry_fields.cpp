#include "journal/entry_fields.h"

#include <charconv>
#include <cstdio>
#include <initializer_list>

namespace zorkan {

namespace {

// Places of the texts, in the order of kEntryFieldNames.
enum FieldIndex : std::size_t {
  kTime,
  kAction,
  kResult,
  kPort,
  kAddress,
  kBaud,
  kSerial,
  kSerialSource,
  kStoppedAt,
  kSpace,
  kNumber,
  kKind,
  kValue,
  kSource,
  kCommandId,
};

bool ParseTime(const std::string& text, LocalTime& time) {
  int length = 0;
  return text.size() == 19 &&
         std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%n", &time.year, &time.month, &time.day,
                     &time.hour, &time.minute, &time.second, &length) == 6 &&
         length == 19;
}

template <typename Number>
std::string NumberText(Number number) {
  char text[64];
  return std::string(text, std::to_chars(text, text + sizeof text, number).ptr);
}

// The whole text and nothing else.
template <typename Number>
bool ParseNumber(std::string_view text, Number& number) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  return !text.empty() && error == std::errc() && stop == end;
}

template <typename Value>
bool ParseName(std::string_view text, std::initializer_list<Value> values,
               std::string_view (*nameOf)(Value), Value& value) {
  for (const Value candidate : values) {
    if (nameOf(candidate) == text) {
      value = candidate;
      return true;
    }
  }
  return false;
}

bool ParseSerial(const EntryFieldTexts& texts, EntrySerial& serial) {
  return ParseNumber(texts[kSerial], serial.number) &&
         ParseName(texts[kSerialSource], {SerialSource::Instrument, SerialSource::Pages},
                   SerialSourceName, serial.source);
}

bool ParseParameter(const EntryFieldTexts& texts, SetParameter& parameter) {
  if (!ParseName(texts[kKind], {ValueKind::Byte, ValueKind::Float}, ValueKindName,
                 parameter.kind) ||
      !ParseNumber(texts[kSpace], parameter.space) ||
      !ParseNumber(texts[kNumber], parameter.number) ||
      !ParseNumber(texts[kValue], parameter.value)) {
    return false;
  }
  // The shortest text of a float, read as a double, is a neighbour of the float sent.
  if (parameter.kind == ValueKind::Float) parameter.value = static_cast<float>(parameter.value);
  return true;
}

}  // namespace

EntryFieldTexts FieldTextsOf(const JournalEntry& entry) {
  EntryFieldTexts texts;
  texts[kTime] = JournalTimeText(entry.time);
  texts[kAction] = ActionName(entry.action);
  texts[kResult] = NumberText(entry.result);
  texts[kPort] = OneLine(entry.link.port);
  texts[kAddress] = NumberText(entry.link.networkAddress);
  texts[kBaud] = NumberText(entry.link.baudRate);
  if (entry.serial) {
    texts[kSerial] = NumberText(entry.serial->number);
    texts[kSerialSource] = SerialSourceName(entry.serial->source);
  }
  texts[kStoppedAt] = OneLine(entry.stoppedAt);
  if (entry.parameter) {
    texts[kSpace] = NumberText(entry.parameter->space);
    texts[kNumber] = NumberText(entry.parameter->number);
    texts[kKind] = ValueKindName(entry.parameter->kind);
    texts[kValue] = SetValueText(*entry.parameter);
  }
  texts[kSource] = OneLine(entry.source);
  texts[kCommandId] = OneLine(entry.commandId);
  return texts;
}

std::optional<JournalEntry> EntryOfFieldTexts(const EntryFieldTexts& texts) {
  JournalEntry entry;
  entry.link.port = texts[kPort];
  entry.stoppedAt = texts[kStoppedAt];
  entry.source = texts[kSource];
  entry.commandId = texts[kCommandId];
  if (!ParseTime(texts[kTime], entry.time) ||
      !ParseName(texts[kAction], {JournalAction::Read, JournalAction::Write, JournalAction::Set},
                 ActionName, entry.action) ||
      !ParseNumber(texts[kResult], entry.result) ||
      !ParseNumber(texts[kAddress], entry.link.networkAddress) ||
      !ParseNumber(texts[kBaud], entry.link.baudRate)) {
    return std::nullopt;
  }
  if (entry.action == JournalAction::Set) {
    if (!ParseParameter(texts, entry.parameter.emplace())) return std::nullopt;
    // Only a set from outside names its instrument.
    if (texts[kSerial].empty()) return entry;
  }
  if (!ParseSerial(texts, entry.serial.emplace())) return std::nullopt;
  return entry;
}

std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

}  // namespace zorkan
