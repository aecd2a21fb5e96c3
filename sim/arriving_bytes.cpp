#include "sim/arriving_bytes.h"

#include <algorithm>
#include <iterator>

namespace zorkan::sim {

void ArrivingBytes::schedule(std::chrono::nanoseconds first, std::string_view bytes,
                             std::chrono::nanoseconds spacing) {
  std::chrono::nanoseconds at = first;
  for (const char byte : bytes) {
    const auto position = std::upper_bound(
        arrivals_.begin(), arrivals_.end(), at,
        [](std::chrono::nanoseconds time, const Arrival& arrival) { return time < arrival.at; });
    arrivals_.insert(position, {at, byte});
    at += spacing;
  }
}

std::size_t ArrivingBytes::read(VirtualClock& clock, char* destination, std::size_t maxBytes,
                                int timeoutMs) {
  const std::chrono::nanoseconds deadline = clock.elapsed() + std::chrono::milliseconds(timeoutMs);
  std::size_t received = 0;
  while (received < maxBytes) {
    if (!arrivals_.empty() && arrivals_.front().at <= clock.elapsed()) {
      const char byte = arrivals_.front().byte;
      arrivals_.pop_front();
      destination[received++] = byte;
      if (byte == '\r') break;
      continue;
    }
    if (arrivals_.empty() || arrivals_.front().at > deadline) {
      clock.advanceTo(deadline);
      break;
    }
    clock.advanceTo(arrivals_.front().at);
  }
  return received;
}

void ArrivingBytes::discardArrived(std::chrono::nanoseconds now) {
  while (!arrivals_.empty() && arrivals_.front().at <= now) arrivals_.pop_front();
}

}  // namespace zorkan::sim
