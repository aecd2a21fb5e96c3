#pragma once
// One entry of the configuration journal: what a whole read, a whole write or a single set did,
// when, over which link, with which result, and on which instrument.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "link/clock.h"
#include "link/frame.h"
#include "link/link_error.h"

namespace zorkan {

enum class JournalAction { Read, Write, Set };

// "read", "write", "set": as entry file names, their metadata and the index spell them.
std::string_view ActionName(JournalAction action);

// Where the serial number of a read or write entry was taken from: the instrument (a read that
// succeeded) or the pages (a write, or a read that stopped before it reached the number).
enum class SerialSource { Instrument, Pages };

// "instrument", "pages".
std::string_view SerialSourceName(SerialSource source);

struct EntrySerial {
  std::int32_t number = 0;  // as the pages show it
  SerialSource source = SerialSource::Instrument;
  bool operator==(const EntrySerial&) const = default;
};

// The link an exchange went over.
struct JournalLink {
  std::string port;  // the port number ("1"), or the device path the exchange used
  std::uint32_t networkAddress = 1;
  std::uint32_t baudRate = 9600;
  bool operator==(const JournalLink&) const = default;
};

// The parameter a set wrote and the value it sent.
struct SetParameter {
  int space = 1;
  unsigned number = 0;
  ValueKind kind = ValueKind::Byte;  // Byte or Float
  double value = 0;                  // holds a byte's and a float's value exactly
  bool operator==(const SetParameter&) const = default;
};

// Who asked for a set from outside the tool, and of which instrument: a command from the plant's
// broker. The tool's own sets (zorkan-cli set) have none.
struct SetOrigin {
  std::string source;             // "mqtt"
  std::string commandId;          // the command's own id; empty when it gave none
  std::int32_t serialNumber = 0;  // read from the instrument
  bool operator==(const SetOrigin&) const = default;
};

// "byte", "float".
std::string_view ValueKindName(ValueKind kind);
// The value a set sent, a float's as the shortest text that reads back as that float.
std::string SetValueText(const SetParameter& parameter);
// "2 29 float 150": the parameter and value as zorkan-cli set takes them.
std::string SetParameterText(const SetParameter& parameter);

// Local time as entries keep it: "2026-12-08 14:30:05".
std::string JournalTimeText(const LocalTime& time);

struct JournalEntry {
  std::string fileName;        // in the journal folder
  std::uint64_t sequence = 0;  // the order of recording: a newer entry has a larger number
  LocalTime time;
  JournalAction action = JournalAction::Read;
  LinkError result = kOk;
  JournalLink link;
  std::optional<EntrySerial> serial;  // read and write entries; a set's, when it came from outside
  // Where a read or write that failed or was stopped got to: the progress heading and step it was
  // at ("Идет чтение настроек канала 2: Чтение типа датчика"); empty when it ran to its end.
  std::string stoppedAt;
  std::string description;  // the first description line of a read's or write's profile
  std::optional<SetParameter> parameter;  // set entries
  // A set's SetOrigin: its source and the command's id; empty for the tool's own exchanges.
  std::string source;
  std::string commandId;
  bool operator==(const JournalEntry&) const = default;
};

}  // namespace zorkan
