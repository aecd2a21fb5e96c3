#pragma once
// The two answer shapes of the instrument, each closed by its checksum and a carriage return.

#include <cstdint>
#include <span>
#include <string>

namespace zorkan::sim {

// Status codes the simulated instrument answers with.
constexpr int kStatusAccepted = 0x0000;
constexpr int kStatusUnknownParameter = 0x0003;
constexpr int kStatusUnparsable = 0x000B;
constexpr int kStatusBadChecksum = 0x000D;

// "!" address ";" data ";" checksum CR, the data as upper-case hex, most significant byte first.
std::string DataAnswer(std::uint32_t networkAddress, std::span<const std::uint8_t> data);
// "$" four hex digits ";" checksum CR.
std::string StatusAnswer(int status);

}  // namespace zorkan::sim
