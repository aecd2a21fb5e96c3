#pragma once
// What every transaction of the link needs: dev.dat gives it at start-up (TransactionParameters),
// and the link holds it (DeviceLink::setParameters).

#include <cstdint>
#include <filesystem>

namespace zorkan {

struct LinkParameters {
  std::uint32_t networkAddress = 1;
  int attemptCount = 2;  // also the number of write/read-back repetitions of verified writes
  std::uint32_t replyTimeoutMs = 1000;
  std::filesystem::path exchangeLogPath;  // empty: no exchange log
};

}  // namespace zorkan
