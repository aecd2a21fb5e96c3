#pragma once

#include <filesystem>

namespace zorkan {

constexpr int kFirstPortNumber = 1;
constexpr int kLastPortNumber = 4;

inline bool IsPortNumber(int portNumber) {
  return portNumber >= kFirstPortNumber && portNumber <= kLastPortNumber;
}

// The device path of port number n (1..4): "COMn" in the working folder when it exists (a link the
// operator or the simulator made; a dangling link still counts, so that a stopped simulator is
// reported rather than silently replaced by a hardware port), else /dev/ttyUSB(n-1), else
// /dev/ttyS(n-1); when none exists, "COMn" in the working folder, so that the failed open names
// what was expected.
std::filesystem::path PortPath(int portNumber, const std::filesystem::path& workDir);

}  // namespace zorkan
