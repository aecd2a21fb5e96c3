#include "publish/command_payload.h"

#include <algorithm>

#include "link/frame.h"
#include "publish/json_value.h"

namespace zorkan {

namespace {

bool IsPrintableAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool IsId(const JsonValue& member) {
  const std::string* id = member.as<std::string>();
  return id != nullptr && !id->empty() && id->size() <= kMostIdLength && IsPrintableAscii(*id);
}

// The members of {"value": N, "id": "..."} into `payload`; false, with the refusal, for any other
// member, a member given twice or one of the wrong type. The id is taken first, so that a refused
// command is answered under it too.
bool TakeMembers(const JsonObject& members, CommandPayload& payload) {
  const auto named = [&](std::string_view name) {
    return std::count_if(members.begin(), members.end(),
                         [&](const auto& member) { return member.first == name; });
  };
  for (const auto& [name, member] : members) {
    if (name == "id" && IsId(member)) payload.id = *member.as<std::string>();
  }
  for (const auto& [name, member] : members) {
    if ((name != "value" && name != "id") || named(name) > 1) {
      payload.refusal = "\"" + name + "\" is no member of a command, or is given twice";
      return false;
    }
    if (name == "id" && !IsId(member)) {
      payload.refusal = "\"id\" is not a text of 1 to " + std::to_string(kMostIdLength) +
                        " printable ASCII characters";
      return false;
    }
    if (name == "value") {
      const double* number = member.as<double>();
      if (number == nullptr) {
        payload.refusal = "\"value\" is not a number";
        return false;
      }
      payload.asked = *number;
    }
  }
  if (!payload.asked) {
    payload.refusal = "no \"value\"";
    return false;
  }
  return true;
}

}  // namespace

CommandPayload ParseCommandPayload(std::string_view text) {
  CommandPayload payload;
  if (text.size() > kMostPayloadBytes) {
    payload.refusal = "the payload is longer than " + std::to_string(kMostPayloadBytes) + " bytes";
    return payload;
  }
  text = Trimmed(text);
  const std::optional<JsonValue> json = ParseJson(text);
  if (!json) {
    payload.refusal = text.starts_with('{') ? "not JSON" : "not a number";
    return payload;
  }
  if (const JsonObject* members = json->as<JsonObject>()) {
    if (!TakeMembers(*members, payload)) return payload;
  } else if (const double* number = json->as<double>()) {
    payload.asked = *number;
  } else {
    payload.refusal = "neither a number nor an object with \"value\"";
    return payload;
  }
  payload.value = AsInstrumentFloat(*payload.asked);
  if (!payload.value) payload.refusal = "the instrument's float cannot hold it";
  return payload;
}

}  // namespace zorkan
