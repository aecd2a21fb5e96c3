#pragma once
// The instrument behind the line: turns one request into its answer, with the faults switched on.
// Thread-safe: the serving thread asks it while tests change its memory and faults.

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "sim/faults.h"
#include "sim/live_block.h"
#include "sim/parameter_memory.h"
#include "sim/plant.h"
#include "sim/request_parser.h"

namespace zorkan::sim {

struct Reply {
  std::string bytes;  // junk included
  std::chrono::milliseconds delay{0};
};

class Instrument {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  explicit Instrument(std::uint32_t networkAddress, Clock clock = std::chrono::steady_clock::now,
                      const PlantOptions& plant = {});

  // `text` runs from after ':' up to the carriage return. No reply: the instrument stays silent.
  std::optional<Reply> handle(std::string_view text);
  // Lets the plant run on while nobody asks.
  void idle();
  std::uint32_t networkAddress() const { return networkAddress_; }

  void addFault(const Fault& fault);
  void clearFaults();
  std::optional<std::uint8_t> byteParameter(int space, unsigned number) const;
  std::optional<float> floatParameter(int space, unsigned number) const;
  void setByteParameter(int space, unsigned number, std::uint8_t value);
  void setFloatParameter(int space, unsigned number, float value);
  void overrideLiveBlock(std::optional<LiveBlock> block);

 private:
  void advancePlant();
  std::string execute(const ParsedRequest& parsed, const FaultEffects& effects);
  std::string junk(int count);

  const std::uint32_t networkAddress_;
  const Clock clock_;
  const std::chrono::steady_clock::time_point start_;

  mutable std::mutex mutex_;
  ParameterMemory memory_;
  FaultList faults_;
  Plant plant_;
  std::optional<LiveBlock> liveOverride_;
  unsigned junkCounter_ = 0;
};

}  // namespace zorkan::sim
