#pragma once
// The answer to each command, on PREFIX/SERIAL/result, not retained: a dashboard or a recipe
// system learns what became of what it sent, under the id it gave.

#include <cstdint>
#include <optional>
#include <string>

#include "link/link_error.h"
#include "publish/broker.h"

namespace zorkan {

// Besides 0, the link's codes of a write that was sent (2: the instrument did not answer; 15: it
// did not read back what was written) and those of the window's checks (16, 17), a command is
// refused, with nothing sent, with one of these.
enum CommandRefusal : LinkError {
  kCommandNotAllowed = 40,  // no setting of --allow-set has its name
  kCommandMalformed = 41,   // its payload is no number, or none the instrument's float holds
  kCommandDuplicate = 42,   // its id was answered in the last minutes
  kCommandTooSoon = 43,     // its setting was commanded less than --set-interval-s ago
  kCommandOverBudget = 44,  // the instrument's writes of the day are used up
  kCommandNotCounted = 45,  // the count of the day's writes cannot be read or kept
  kCommandStopping = 46,    // the publisher stopped before the line was free for it
};

struct CommandResult {
  std::string id;  // as the command gave it; empty: none
  std::string name;
  std::optional<double> asked;
  std::optional<float> readBack;
  LinkError code = kOk;
  std::string text;
  bool sent = false;  // a write went to the instrument
};

struct CommandCounts {
  std::uint64_t done = 0;     // written and read back
  std::uint64_t refused = 0;  // nothing was written
  std::uint64_t failed = 0;   // written, but not read back as asked, or not answered
  bool operator==(const CommandCounts&) const = default;
};

// {"id":"7f3a","name":"regulated_value","value":155.5,"readBack":155.5,"code":0,"text":"..."},
// id null when none was given.
BrokerMessage CommandResultMessage(const std::string& root, const CommandResult& result);

}  // namespace zorkan
