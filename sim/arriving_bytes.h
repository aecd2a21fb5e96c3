#pragma once
// Bytes on their way to the tool, each with the virtual time it arrives: what a serial port on
// virtual time reads from. Reads take virtual time exactly as the real port takes real time.

#include <chrono>
#include <cstddef>
#include <deque>
#include <string_view>

#include "sim/virtual_clock.h"

namespace zorkan::sim {

class ArrivingBytes {
 public:
  // The first byte arrives at `first`, each next one `spacing` later.
  void schedule(std::chrono::nanoseconds first, std::string_view bytes,
                std::chrono::nanoseconds spacing = std::chrono::nanoseconds(0));
  // As the serial-port seam reads: up to `maxBytes`, returning after a carriage return, once
  // `maxBytes` have arrived or when `timeoutMs` has passed; the clock moves to the moment of
  // return.
  std::size_t read(VirtualClock& clock, char* destination, std::size_t maxBytes, int timeoutMs);
  // Drops what has arrived and was not read; bytes still on their way stay.
  void discardArrived(std::chrono::nanoseconds now);

 private:
  struct Arrival {
    std::chrono::nanoseconds at;
    char byte;
  };
  std::deque<Arrival> arrivals_;  // in order of arrival
};

}  // namespace zorkan::sim
