#pragma once
// The simulated instrument on a pty, for the tool's first run, integration tests, benchmarks and
// demos.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/faults.h"
#include "sim/frame_log.h"

namespace zorkan::sim {

struct SimulatorOptions {
  std::uint32_t networkAddress = 1;
  std::uint32_t baudRate = 9600;  // 0: no pacing at all
  int turnaroundMs = 2;
};

class Simulator {  // serves on its own thread from construction to destruction
 public:
  explicit Simulator(SimulatorOptions options = {});  // throws std::system_error
  ~Simulator();  // stops serving, joins, closes the pty, removes links it made
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  const std::string& devicePath() const;  // slave side, e.g. /dev/pts/7
  // Symlink to devicePath, replacing an existing link (but no other kind of file).
  void linkAt(const std::filesystem::path& link);

  // All below are thread-safe while serving.
  void addFault(const Fault& fault);
  void clearFaults();
  // Every complete request as received: all bytes after the previous request's CR up to and
  // including this CR, the preamble included.
  std::vector<std::string> receivedFrames() const;
  void clearReceivedFrames();
  // Bytes both ways and answers given since the last clear of the received frames.
  LineTraffic lineTraffic() const;
  // True once `count` requests have been received since the last clear; false after `timeout`.
  bool waitForReceivedFrames(std::size_t count, std::chrono::milliseconds timeout) const;
  std::optional<std::uint8_t> byteParameter(int space, unsigned number) const;
  std::optional<float> floatParameter(int space, unsigned number) const;
  // Unknown parameters are left alone; read-only ones are set all the same.
  void setByteParameter(int space, unsigned number, std::uint8_t value);
  void setFloatParameter(int space, unsigned number, float value);
  // For tests of live values: a fixed block 2 instead of the plant's; nullopt gives it back.
  void overrideLiveBlock(std::optional<std::array<std::uint8_t, 16>> block);

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace zorkan::sim
