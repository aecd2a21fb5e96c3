#pragma once
// Where the link's transactions go and how the instrument there last answered: what the window
// shows of where the operator stands. Searching probes are not transactions and leave no trace.

#include <cstdint>
#include <optional>
#include <string>

namespace zorkan {

struct LinkTarget {
  std::string portPath;  // the device path opened last
  std::uint32_t baudRate = 0;
  std::uint32_t networkAddress = 0;
  bool operator==(const LinkTarget&) const = default;
};

struct LinkActivity {
  LinkTarget target;
  // The last transaction to the target got an answer, a status answer or one it could not use
  // included: something is there and speaks.
  bool answered = false;
  // Monotonic milliseconds of the last answer from the target; nullopt while it never answered.
  std::optional<std::int64_t> lastAnswerMs = std::nullopt;
};

}  // namespace zorkan
