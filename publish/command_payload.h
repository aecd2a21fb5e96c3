#pragma once
// What a command from the broker asks: its payload is the value alone ("150.5") or a JSON object
// with it and the command's id ({"value": 150.5, "id": "7f3a"}). Anything else is refused before
// it comes near an instrument.

#include <optional>
#include <string>
#include <string_view>

namespace zorkan {

// Longer payloads are no command of ours, and are not read.
constexpr std::size_t kMostPayloadBytes = 256;
// Ids are 1 to this many printable ASCII characters.
constexpr std::size_t kMostIdLength = 64;

struct CommandPayload {
  std::optional<double> asked;  // the number as written, when one was
  std::optional<float> value;   // what the instrument's float makes of it; none when refused
  std::string id;               // empty when none was given or it could not be read
  std::string refusal;          // why the payload is refused; empty when it is not
};

CommandPayload ParseCommandPayload(std::string_view payload);

}  // namespace zorkan
