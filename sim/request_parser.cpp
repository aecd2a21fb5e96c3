#include "sim/request_parser.h"

#include <charconv>
#include <string_view>
#include <vector>

namespace zorkan::sim {

namespace {

std::optional<std::uint32_t> Decimal(std::string_view text) {
  std::uint32_t value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (text.empty() || result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return value;
}

// Upper-case digits only: the frame format has no other spelling.
bool IsHex(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  }
  return true;
}

std::optional<std::uint32_t> Hex(std::string_view text, std::size_t digits) {
  if (text.size() != digits || !IsHex(text)) return std::nullopt;
  std::uint32_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value, 16);
  return value;
}

std::vector<std::string_view> Fields(std::string_view text) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto semicolon = text.find(';');
    fields.push_back(text.substr(0, semicolon));
    if (semicolon == std::string_view::npos) return fields;
    text.remove_prefix(semicolon + 1);
  }
}

std::optional<ValueKind> KindOf(std::uint8_t addressByte1) {
  switch (addressByte1 & 0xC0) {
    case 0x00:
      return ValueKind::Byte;
    case 0x80:
      return ValueKind::Float;
    case 0xC0:
      return ValueKind::DataBlock;
  }
  return std::nullopt;
}

std::size_t DataDigits(std::optional<ValueKind> kind) {
  if (kind == ValueKind::Byte) return 2;
  if (kind == ValueKind::Float) return 8;
  return 0;
}

}  // namespace

ParsedRequest ParseRequest(std::string_view text) {
  ParsedRequest parsed;
  const std::vector<std::string_view> fields = Fields(text);
  parsed.networkAddress = Decimal(fields.front());
  if (!parsed.networkAddress || fields.size() < 2) return parsed;

  const auto checksum = Decimal(fields.back());
  if (!checksum || *checksum > 0xFFFF) return parsed;
  const std::string_view covered = text.substr(0, text.size() - fields.back().size());
  if (frameChecksum(covered) != *checksum) {
    parsed.problem = RequestProblem::BadChecksum;
    return parsed;
  }

  Request& request = parsed.request;
  if (fields.size() == 4 && fields[1] == "37") {
    request.write = false;
  } else if (fields.size() == 5 && fields[1] == "38") {
    request.write = true;
  } else {
    return parsed;
  }
  const auto address = Hex(fields[2], 6);
  if (!address) return parsed;
  const auto byte1 = static_cast<std::uint8_t>(*address >> 8);
  request.kind = (*address >> 16) == 0 ? KindOf(byte1) : std::nullopt;
  request.space = (byte1 & 0x20) ? 1 : 2;
  request.number = ((byte1 & 0x1Fu) << 8) | (*address & 0xFFu);

  if (request.write) {
    const std::string_view data = fields[3];
    const std::size_t digits = DataDigits(request.kind);
    if (digits == 0) {
      // Nothing can be written with this address; the data only has to look like data.
      if (!IsHex(data)) return parsed;
    } else {
      const auto value = Hex(data, digits);
      if (!value) return parsed;
      request.data = *value;
    }
  }
  parsed.problem = RequestProblem::None;
  return parsed;
}

}  // namespace zorkan::sim
