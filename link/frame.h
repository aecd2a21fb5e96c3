#pragma once
// Request frames of the instrument protocol: the three-byte parameter address, the CRC-16 and the
// three request formats (read, byte write, float write).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zorkan {

enum class ValueKind : std::uint8_t { Byte = 1, Float = 3, DataBlock = 4 };

constexpr unsigned kMaxParameterNumber = 0x1FFF;  // 13 bits on the wire

struct ParamAddress {
  std::array<std::uint8_t, 3> bytes{};
  bool operator==(const ParamAddress&) const = default;
};

// `space` is 1 or 2 (callers reject anything else); bits of `number` above 13 are dropped.
ParamAddress MakeParamAddress(ValueKind kind, int space, unsigned number);

// CRC-16 (initial 0xFFFF, reflected polynomial 0xA001, no final inversion).
std::uint16_t frameChecksum(const char* text, std::size_t length);
inline std::uint16_t frameChecksum(std::string_view text) {
  return frameChecksum(text.data(), text.size());
}

std::uint32_t FloatToBits(float value);
float FloatFromBits(std::uint32_t bits);
// What the instrument's single-precision float holds of `value`: nothing for a value it would
// turn into 0 or infinity, which a write would otherwise report as done, nor for NaN.
std::optional<float> AsInstrumentFloat(double value);

// A float on the wire, in answers and in the live block alike: its four bytes, most significant
// first.
using FloatBytes = std::array<std::uint8_t, 4>;
FloatBytes FloatToWire(float value);
FloatBytes FloatBitsToWire(std::uint32_t bits);
float FloatFromWire(std::span<const std::uint8_t, 4> bytes);

// Frame texts from ":" up to the last ";" before the checksum.
std::string ReadRequestText(unsigned networkAddress, ParamAddress address);
std::string ByteWriteRequestText(unsigned networkAddress, ParamAddress address, std::uint8_t value);
std::string FloatWriteRequestText(unsigned networkAddress, ParamAddress address, float value);

// Preamble of four 0xFF bytes, the text, its checksum in decimal and a carriage return: the bytes
// that go on the line in one write. The checksum covers the text without its leading colon.
std::string CompleteFrame(std::string_view text);

}  // namespace zorkan
