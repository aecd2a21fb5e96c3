#pragma once
// Serves the line of instruments on the pty from its own thread, pacing answers like the real
// line.

#include <chrono>
#include <cstdint>
#include <deque>
#include <thread>

#include "sim/frame_assembler.h"
#include "sim/frame_log.h"
#include "sim/instrument_line.h"
#include "sim/line_timing.h"
#include "sim/pty.h"

namespace zorkan::sim {

class PtyServer {
 public:
  // Starts serving at once.
  PtyServer(const Pty& pty, InstrumentLine& instruments, FrameLog& log, LinePacing pacing);
  // Stops promptly, cutting short an answer being paced out.
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

 private:
  using TimePoint = std::chrono::steady_clock::time_point;
  enum class WaitEnd { Deadline, Frame, Stop };

  void serve();
  bool answer(const ReceivedFrame& frame);
  // Reads the line until `deadline` (or the first complete frame, if asked) or a stop.
  WaitEnd wait(TimePoint deadline, bool untilFrame);
  void readInput();
  void write(const char* bytes, std::size_t count);

  const Pty& pty_;
  InstrumentLine& instruments_;
  FrameLog& log_;
  const LinePacing pacing_;
  const int stopEvent_;
  FrameAssembler assembler_;
  std::deque<ReceivedFrame> pending_;
  std::thread thread_;
};

}  // namespace zorkan::sim
