// get and set: one transaction on one parameter; a set leaves an entry in the journal.
#include <charconv>
#include <cstdio>

#include "cli/commands.h"
#include "cli/json_text.h"
#include "workflows/exchange_journal.h"

namespace zorkan::cli {

namespace {

// The shortest text that reads back as the same float.
std::string FloatText(float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

}  // namespace

int RunGet(const GetCommand& command, Session& session) {
  if (const auto refused = session.open()) return *refused;
  const bool isByte = command.type == ValueType::Byte;
  JsonObject json;
  json.integer("space", command.space)
      .integer("number", command.number)
      .string("type", isByte ? "byte" : "float");
  std::string text;
  LinkError result = kOk;
  if (isByte) {
    std::int32_t value = 0;
    result = session.link().ReadByteParam(command.space, command.number, value);
    text = std::to_string(value);
    json.integer("value", value);
  } else {
    float value = 0;
    result = session.link().ReadFloatParam(command.space, command.number, value);
    text = FloatText(value);
    json.real("value", value);
  }
  if (result == kOk) std::printf("%s\n", command.json ? json.text().c_str() : text.c_str());
  return session.finish(result);
}

int RunSet(const SetCommand& command, Session& session) {
  if (const auto refused = session.open()) return *refused;
  DeviceLink& link = session.link();
  const bool isByte = command.type == ValueType::Byte;
  LinkError result = kOk;
  if (isByte) {
    result = command.verify
                 ? link.WriteByteParamVerified(command.space, command.number, command.byteValue)
                 : link.WriteByteParam(command.space, command.number, command.byteValue);
  } else {
    result = command.verify
                 ? link.WriteFloatParamVerified(command.space, command.number, command.floatValue)
                 : link.WriteFloatParam(command.space, command.number, command.floatValue);
  }
  ExchangeContext exchange = session.exchange();
  RecordSet(exchange, result,
            SetParameter{command.space, command.number, isByte ? ValueKind::Byte : ValueKind::Float,
                         isByte ? static_cast<double>(command.byteValue)
                                : static_cast<double>(command.floatValue)});
  const int status = session.finish(result);
  TellJournalFailure(exchange);
  return status;
}

}  // namespace zorkan::cli
