#pragma once
// The simulated instruments of one line, for the tool's first run, integration tests, benchmarks
// and demos: on a pty from its own thread (Simulator), or in-process behind the serial-port seam on
// virtual time (InProcessSimulator).

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/address_list.h"
#include "sim/faults.h"
#include "sim/frame_log.h"
#include "sim/instrument.h"
#include "sim/instrument_line.h"
#include "sim/instrument_port.h"
#include "sim/virtual_clock.h"

namespace zorkan::sim {

struct SimulatorOptions {
  std::uint32_t networkAddress = 1;  // of the first instrument
  // The one line speed the instruments understand, and the pace of their answers; 0: every speed
  // and no pacing at all.
  std::uint32_t baudRate = 9600;
  int turnaroundMs = 2;
  // The further instruments on the line. One at an address already taken answers together with
  // the one there, and the tool hears the two answers overlapping.
  AddressList moreAddresses = {};
  // The heated object of each instrument.
  PlantOptions plant = {};
};

// What tests and benchmarks see of the line, whatever carries its bytes: the calls for a single
// instrument reach the first one. Thread-safe while serving.
class SimulatedInstrument {
 public:
  SimulatedInstrument(const SimulatedInstrument&) = delete;
  SimulatedInstrument& operator=(const SimulatedInstrument&) = delete;

  // On every instrument, or on those at `fault.networkAddress` only.
  void addFault(const Fault& fault);
  void clearFaults();  // on every instrument
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

  // The instrument at `networkAddress`, the first listed where there are several; throws
  // std::out_of_range when there is none.
  Instrument& instrument(std::uint32_t networkAddress);
  const Instrument& instrument(std::uint32_t networkAddress) const;

 protected:
  SimulatedInstrument(const SimulatorOptions& options, const Instrument::Clock& clock);
  ~SimulatedInstrument() = default;

  InstrumentLine line_;
  FrameLog log_;  // of the whole line
};

class Simulator final : public SimulatedInstrument {  // serves from construction to destruction
 public:
  explicit Simulator(SimulatorOptions options = {});  // throws std::system_error
  ~Simulator();  // stops serving, joins, closes the pty, removes links it made

  const std::string& devicePath() const;  // slave side, e.g. /dev/pts/7
  // Symlink to devicePath, replacing an existing link (but no other kind of file).
  void linkAt(const std::filesystem::path& link);

 private:
  struct Serving;
  std::unique_ptr<Serving> serving_;
};

class InProcessSimulator final : public SimulatedInstrument {
 public:
  explicit InProcessSimulator(SimulatorOptions options = {});

  // The instrument's end of the line: hand it to a DeviceLink in place of a real port.
  InstrumentPort& port() { return port_; }
  VirtualClock& clock() { return *clock_; }

 private:
  // The clock exists before the instrument, whose plant starts on it.
  InProcessSimulator(SimulatorOptions options, std::shared_ptr<VirtualClock> clock);

  std::shared_ptr<VirtualClock> clock_;
  InstrumentPort port_;
};

}  // namespace zorkan::sim
