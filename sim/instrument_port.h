#pragma once
// The simulated line of instruments in-process behind the serial-port seam, on virtual time:
// requests cross the line, answers come back paced like the pty's, and faults act as they do
// there, but a silent instrument or a late answer costs no real time.

#include <chrono>
#include <cstdint>
#include <string>

#include "link/serial_port.h"
#include "sim/arriving_bytes.h"
#include "sim/frame_assembler.h"
#include "sim/frame_log.h"
#include "sim/instrument_line.h"
#include "sim/line_timing.h"
#include "sim/virtual_clock.h"

namespace zorkan::sim {

class InstrumentPort final : public SerialPort {
 public:
  InstrumentPort(InstrumentLine& instruments, FrameLog& log, VirtualClock& clock,
                 LinePacing pacing);

  // Always opens: whatever path is named, the line is at the other end. Its instruments hear the
  // requests only at their own line speed.
  bool open(const std::string& path, std::uint32_t baudRate) override;
  void close() override { open_ = false; }
  void write(std::string_view bytes, int timeoutMs) override;
  std::size_t read(char* destination, std::size_t maxBytes, int timeoutMs) override;
  void discardPending() override;
  // The simulated line never goes away.
  bool lost() const override { return false; }

  const std::string& openedPath() const { return openedPath_; }
  std::uint32_t openedBaudRate() const { return openedBaudRate_; }

 private:
  InstrumentLine& instruments_;
  FrameLog& log_;
  VirtualClock& clock_;
  const LinePacing pacing_;
  FrameAssembler assembler_;
  ArrivingBytes incoming_;
  // The line carries one answer after the other: the next answer never starts before the
  // previous one is out.
  std::chrono::nanoseconds busyUntil_{0};
  bool open_ = false;
  std::string openedPath_;
  std::uint32_t openedBaudRate_ = 0;
};

}  // namespace zorkan::sim
