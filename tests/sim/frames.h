#pragma once
// The frames the simulator tests send and the answers they expect.

#include <cstdint>
#include <string>
#include <string_view>

#include "link/frame.h"

namespace zorkan::sim::testing {

// Complete request frames as the tool sends them (preamble, text, checksum, CR).
std::string ReadFrame(ValueKind kind, int space, unsigned number, unsigned networkAddress = 1);
std::string ByteWriteFrame(int space, unsigned number, std::uint8_t value);
std::string FloatWriteFrame(int space, unsigned number, float value);

// Answers as the instrument must send them; `covered` is the text the checksum covers.
std::string ExpectedData(std::string_view covered);
std::string ExpectedStatus(std::string_view digits);

}  // namespace zorkan::sim::testing
