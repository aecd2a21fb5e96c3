#include "link/frame.h"

#include <bit>
#include <cmath>
#include <cstdio>

namespace zorkan {

namespace {

std::uint8_t KindBits(ValueKind kind) {
  switch (kind) {
    case ValueKind::Byte:
      return 0x00;
    case ValueKind::Float:
      return 0x80;
    case ValueKind::DataBlock:
      return 0xC0;
  }
  return 0x00;
}

std::string AddressText(unsigned networkAddress, const char* command, ParamAddress address) {
  char text[64];
  std::snprintf(text, sizeof text, ":%u;%s;%02X%02X%02X;", networkAddress, command,
                address.bytes[0], address.bytes[1], address.bytes[2]);
  return text;
}

}  // namespace

ParamAddress MakeParamAddress(ValueKind kind, int space, unsigned number) {
  number &= kMaxParameterNumber;
  const std::uint8_t spaceBit = space == 1 ? 0x20 : 0x00;
  return ParamAddress{{0x00, static_cast<std::uint8_t>(KindBits(kind) | spaceBit | (number >> 8)),
                       static_cast<std::uint8_t>(number & 0xFF)}};
}

std::uint16_t frameChecksum(const char* text, std::size_t length) {
  std::uint16_t crc = 0xFFFF;
  for (std::size_t i = 0; i < length; ++i) {
    crc ^= static_cast<std::uint8_t>(text[i]);
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001)
                      : static_cast<std::uint16_t>(crc >> 1);
    }
  }
  return crc;
}

std::uint32_t FloatToBits(float value) {
  return std::bit_cast<std::uint32_t>(value);
}
float FloatFromBits(std::uint32_t bits) {
  return std::bit_cast<float>(bits);
}

std::optional<float> AsInstrumentFloat(double value) {
  const auto single = static_cast<float>(value);
  if (std::isnan(single) || std::isinf(single) || (single == 0 && value != 0)) return std::nullopt;
  return single;
}

FloatBytes FloatToWire(float value) {
  return FloatBitsToWire(FloatToBits(value));
}

FloatBytes FloatBitsToWire(std::uint32_t bits) {
  return {static_cast<std::uint8_t>(bits >> 24), static_cast<std::uint8_t>(bits >> 16),
          static_cast<std::uint8_t>(bits >> 8), static_cast<std::uint8_t>(bits)};
}

float FloatFromWire(std::span<const std::uint8_t, 4> bytes) {
  return FloatFromBits(static_cast<std::uint32_t>(bytes[0]) << 24 |
                       static_cast<std::uint32_t>(bytes[1]) << 16 |
                       static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3]);
}

std::string ReadRequestText(unsigned networkAddress, ParamAddress address) {
  return AddressText(networkAddress, "37", address);
}

std::string ByteWriteRequestText(unsigned networkAddress, ParamAddress address,
                                 std::uint8_t value) {
  char data[8];
  std::snprintf(data, sizeof data, "%02X;", value);
  return AddressText(networkAddress, "38", address) + data;
}

std::string FloatWriteRequestText(unsigned networkAddress, ParamAddress address, float value) {
  char data[16];
  std::snprintf(data, sizeof data, "%08X;", static_cast<unsigned>(FloatToBits(value)));
  return AddressText(networkAddress, "38", address) + data;
}

std::string CompleteFrame(std::string_view text) {
  std::string frame(4, '\xFF');
  frame += text;
  const std::string_view covered = text.empty() ? text : text.substr(1);
  char checksum[16];
  std::snprintf(checksum, sizeof checksum, "%u\r", static_cast<unsigned>(frameChecksum(covered)));
  frame += checksum;
  return frame;
}

}  // namespace zorkan
