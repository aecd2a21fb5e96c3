#pragma once
// Deterministic misbehaviour switched on per parameter: what the tool's retry and parsing code must
// survive on a real line.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zorkan::sim {

enum class FaultKind { Silence, Late, NoiseBefore, NoiseAfter, Status, AlteredReadBack };

struct Fault {
  FaultKind kind;
  int space = 0;  // 0: every parameter (and the data block)
  unsigned number = 0;
  // Late: delay in ms; NoiseBefore/After: byte count; Status: status code; AlteredReadBack: what
  // a float is shifted by, in thousandths (0: by 1.0; a byte always reads back one more).
  int amount = 0;
  int times = -1;  // number of requests it affects, -1 = all
  // Only the instruments at this address; none: every instrument on the line, each counting its
  // own requests.
  std::optional<std::uint32_t> networkAddress = std::nullopt;
};

// Space and number of a request whose parameter address could be decoded.
struct RequestTarget {
  int space;
  unsigned number;
};

struct FaultEffects {
  bool silent = false;
  std::chrono::milliseconds delay{0};
  int noiseBefore = 0;
  int noiseAfter = 0;
  std::optional<int> status;
  bool alterReadBack = false;
  float floatShift = 1.0f;
};

class FaultList {
 public:
  void add(const Fault& fault);
  void clear();
  // Effects of every fault that matches the request; each of them is counted down once.
  // AlteredReadBack only concerns writes, so a read leaves its count alone.
  FaultEffects apply(std::optional<RequestTarget> target, bool write);

 private:
  std::vector<Fault> faults_;
};

}  // namespace zorkan::sim
