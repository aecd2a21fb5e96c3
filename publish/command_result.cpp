#include "publish/command_result.h"

#include "ini/json_text.h"

namespace zorkan {

BrokerMessage CommandResultMessage(const std::string& root, const CommandResult& result) {
  std::string json =
      "{\"id\":" + (result.id.empty() ? "null" : JsonString(result.id)) +
      ",\"name\":" + JsonString(result.name) + ",\"value\":" + JsonNumber(result.asked) +
      ",\"readBack\":" + JsonNumber(result.readBack) + ",\"code\":" + std::to_string(result.code) +
      ",\"text\":" + JsonString(result.text) + "}";
  return {root + "/result", std::move(json), false};
}

}  // namespace zorkan
