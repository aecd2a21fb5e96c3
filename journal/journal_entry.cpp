#include "journal/journal_entry.h"

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

}  // namespace zorkan
