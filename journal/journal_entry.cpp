#include "journal/journal_entry.h"

#include <charconv>
#include <cstdio>

namespace zorkan {

std::string_view ActionName(JournalAction action) {
  switch (action) {
    case JournalAction::Read:
      return "read";
    case JournalAction::Write:
      return "write";
    case JournalAction::Set:
      return "set";
  }
  return {};
}

std::string_view SerialSourceName(SerialSource source) {
  return source == SerialSource::Instrument ? "instrument" : "pages";
}

std::string_view ValueKindName(ValueKind kind) {
  return kind == ValueKind::Float ? "float" : "byte";
}

std::string SetValueText(const SetParameter& parameter) {
  char text[64];
  // A float's value as the shortest text that reads back as that float.
  const auto written =
      parameter.kind == ValueKind::Float
          ? std::to_chars(text, text + sizeof text, static_cast<float>(parameter.value))
          : std::to_chars(text, text + sizeof text, parameter.value);
  return std::string(text, written.ptr);
}

std::string SetParameterText(const SetParameter& parameter) {
  return std::to_string(parameter.space) + " " + std::to_string(parameter.number) + " " +
         std::string(ValueKindName(parameter.kind)) + " " + SetValueText(parameter);
}

std::string JournalTimeText(const LocalTime& time) {
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month, time.day,
                time.hour, time.minute, time.second);
  return text;
}

}  // namespace zorkan
