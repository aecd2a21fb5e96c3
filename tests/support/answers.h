#pragma once
// Answers as the instrument shapes them, for scripted instruments.

#include <cstdio>
#include <string>
#include <string_view>

#include "link/frame.h"

namespace zorkan::testing {

inline std::string DataAnswer(std::string_view data, unsigned networkAddress = 1) {
  const std::string covered = std::to_string(networkAddress) + ";" + std::string(data) + ";";
  return "!" + covered + std::to_string(frameChecksum(covered)) + "\r";
}

inline std::string ByteAnswer(unsigned value) {
  char data[8];
  std::snprintf(data, sizeof data, "%02X", value & 0xFF);
  return DataAnswer(data);
}

inline std::string FloatAnswer(float value) {
  char data[16];
  std::snprintf(data, sizeof data, "%08X", static_cast<unsigned>(FloatToBits(value)));
  return DataAnswer(data);
}

inline std::string StatusAnswer(std::string_view status) {
  const std::string covered = std::string(status) + ";";
  return "$" + covered + std::to_string(frameChecksum(covered)) + "\r";
}

}  // namespace zorkan::testing
