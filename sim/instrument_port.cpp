#include "sim/instrument_port.h"

#include <algorithm>
#include <vector>

#include "sim/line_speed.h"

namespace zorkan::sim {

InstrumentPort::InstrumentPort(InstrumentLine& instruments, FrameLog& log, VirtualClock& clock,
                               LinePacing pacing)
    : instruments_(instruments), log_(log), clock_(clock), pacing_(pacing) {}

bool InstrumentPort::open(const std::string& path, std::uint32_t baudRate) {
  open_ = true;
  openedPath_ = path;
  openedBaudRate_ = baudRate;
  return true;
}

void InstrumentPort::write(std::string_view bytes, int) {
  if (!open_) return;
  const std::chrono::nanoseconds arrived =
      clock_.elapsed() + LineTime(bytes.size(), pacing_.baudRate);
  std::vector<ReceivedFrame> frames;
  assembler_.feed(AsHeard(bytes, pacing_.baudRate, openedBaudRate_),
                  std::chrono::steady_clock::time_point(arrived), frames);
  for (ReceivedFrame& frame : frames) {
    log_.add(frame.raw);
    const std::optional<Reply> reply = instruments_.handle(frame.text);
    if (!reply) continue;
    const std::chrono::nanoseconds byteTime = LineTime(1, pacing_.baudRate);
    const std::chrono::nanoseconds start =
        std::max(arrived + pacing_.turnaround + reply->delay, busyUntil_);
    incoming_.schedule(start + byteTime, reply->bytes, byteTime);
    busyUntil_ = start + LineTime(reply->bytes.size(), pacing_.baudRate);
    log_.addAnswer(reply->bytes.size());
  }
}

std::size_t InstrumentPort::read(char* destination, std::size_t maxBytes, int timeoutMs) {
  if (!open_) {
    clock_.advance(std::chrono::milliseconds(timeoutMs));
    return 0;
  }
  return incoming_.read(clock_, destination, maxBytes, timeoutMs);
}

void InstrumentPort::discardPending() {
  incoming_.discardArrived(clock_.elapsed());
}

}  // namespace zorkan::sim
