#pragma once
// The instruments that share one line: every one hears every request and answers its own address,
// and where several answer at once their answers overlap on the wires.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "sim/faults.h"
#include "sim/instrument.h"

namespace zorkan::sim {

class InstrumentLine {
 public:
  // One instrument for each address, in this order; an address given twice has two instruments.
  // The serial numbers follow the addresses: the factory number (12345) at address 1, one more
  // for each address above it (12351 at address 7). `baudRate` times overlapping answers; 0
  // (unpaced) times them as at 9600. Each instrument heats an object of its own, built from
  // `plant`, whose noise the n-th instrument draws from the seed plus n - 1.
  InstrumentLine(std::span<const std::uint32_t> networkAddresses, const Instrument::Clock& clock,
                 std::uint32_t baudRate, const PlantOptions& plant = {});

  // As Instrument::handle, for the whole line.
  std::optional<Reply> handle(std::string_view text);
  void idle();

  // On every instrument, or on those at `fault.networkAddress` only.
  void addFault(const Fault& fault);
  void clearFaults();

  Instrument& first() { return *instruments_.front(); }
  const Instrument& first() const { return *instruments_.front(); }
  // The first instrument at `networkAddress`; nullptr when there is none.
  Instrument* find(std::uint32_t networkAddress) const;

 private:
  std::vector<std::unique_ptr<Instrument>> instruments_;
  const std::uint32_t baudRate_;
};

}  // namespace zorkan::sim
