#include "sim/answer_text.h"

#include <cstdio>

#include "link/frame.h"

namespace zorkan::sim {

namespace {

// `covered` is the text the checksum covers; `lead` the character in front of it.
std::string Closed(char lead, const std::string& covered) {
  char checksum[16];
  std::snprintf(checksum, sizeof checksum, "%u\r", static_cast<unsigned>(frameChecksum(covered)));
  return lead + covered + checksum;
}

}  // namespace

std::string DataAnswer(std::uint32_t networkAddress, std::span<const std::uint8_t> data) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%u;", static_cast<unsigned>(networkAddress));
  std::string covered = digits;
  for (std::uint8_t byte : data) {
    std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(byte));
    covered += digits;
  }
  covered += ';';
  return Closed('!', covered);
}

std::string StatusAnswer(int status) {
  char covered[16];
  std::snprintf(covered, sizeof covered, "%04X;", static_cast<unsigned>(status) & 0xFFFFu);
  return Closed('$', covered);
}

}  // namespace zorkan::sim
