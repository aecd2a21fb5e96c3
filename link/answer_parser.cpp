#include "link/answer_parser.h"

#include <algorithm>
#include <span>

#include "link/frame.h"

namespace zorkan {

namespace {

struct StatusCode {
  std::string_view status;
  LinkError code;
};

// Searched in this order; an answer carrying several of them gets the first one's code.
constexpr std::array<StatusCode, 9> kStatusCodes{{
    {"$0000", kOk},
    {"$0001", kInstrumentError},
    {"$0002", kUnexpectedAnswerFormat},
    {"$0003", kParameterNotFound},
    {"$0005", kInstrumentError},
    {"$0006", kOperandTooLarge},
    {"$000B", kBadAnswer},
    {"$000C", kModuleAddressTooLarge},
    {"$000D", kAnswerDamaged},
}};

int HexDigitValue(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
  return -1;
}

// Two hexadecimal digits per byte from the start of `text`, and no further digit: a data field
// of another width is the answer to another request (a byte read answered with a float's eight
// digits), never a value to cut from it.
bool ReadHexBytes(std::string_view text, std::span<std::uint8_t> bytes) {
  const std::size_t width = bytes.size() * 2;
  if (text.size() < width) return false;
  if (text.size() > width && HexDigitValue(text[width]) >= 0) return false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const int high = HexDigitValue(text[2 * i]);
    const int low = HexDigitValue(text[2 * i + 1]);
    if (high < 0 || low < 0) return false;
    bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
  }
  return true;
}

// The checks shared by all value answers: a ";" and a "!" somewhere, the "!" near the start, a
// ";" after the first field. On success `data` is everything after that ";". The text after the
// last ";" is the answer's own checksum; it is not verified, because which bytes the instrument
// covers with it is not known and its answers must be accepted.
LinkError LocateDataField(std::string_view answer, std::string_view& data) {
  if (answer.find(';') == std::string_view::npos) return kBadAnswer;
  const std::size_t bang = answer.find('!');
  if (bang == std::string_view::npos) return kBadAnswer;
  if (bang > kMaxNoiseBeforeAnswer) return kTooMuchData;
  const std::size_t fieldEnd = answer.find(';', bang + 1);
  if (fieldEnd == std::string_view::npos) return kBadAnswer;
  data = answer.substr(fieldEnd + 1);
  return kOk;
}

}  // namespace

std::string_view AnswerText(std::string_view buffer) {
  return buffer.substr(0, std::min(buffer.find('\0'), buffer.size()));
}

LinkError CheckStatusAnswer(std::string_view answer) {
  if (answer.find('$') == std::string_view::npos) return kOk;
  for (const StatusCode& status : kStatusCodes) {
    if (answer.find(status.status) != std::string_view::npos) return status.code;
  }
  return kInstrumentError;
}

LinkError ParseByteAnswer(std::string_view answer, std::uint8_t& value) {
  std::string_view data;
  if (const LinkError located = LocateDataField(answer, data); located != kOk) return located;
  if (data.find(';') == std::string_view::npos) return kBadAnswer;
  std::array<std::uint8_t, 1> bytes{};
  if (!ReadHexBytes(data, bytes)) return kBadAnswer;
  value = bytes[0];
  return kOk;
}

LinkError ParseFloatAnswer(std::string_view answer, float& value) {
  std::string_view data;
  if (const LinkError located = LocateDataField(answer, data); located != kOk) return located;
  std::array<std::uint8_t, 4> bytes{};
  if (!ReadHexBytes(data, bytes)) return kBadAnswer;
  value = FloatFromWire(bytes);
  return kOk;
}

LinkError ParseBlockAnswer(std::string_view answer, DataBlock& block) {
  if (const LinkError status = CheckStatusAnswer(answer); status != kOk) return status;
  std::string_view data;
  if (const LinkError located = LocateDataField(answer, data); located != kOk) return located;
  DataBlock bytes{};
  if (!ReadHexBytes(data, bytes)) return kBadAnswer;
  block = bytes;
  return kOk;
}

}  // namespace zorkan
