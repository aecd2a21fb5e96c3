#include "sim/simulator.h"

#include <algorithm>
#include <system_error>

#include "sim/pty.h"
#include "sim/pty_server.h"

namespace zorkan::sim {

namespace {

LinePacing PacingOf(const SimulatorOptions& options) {
  return {options.baudRate, std::chrono::milliseconds(std::max(0, options.turnaroundMs))};
}

}  // namespace

SimulatedInstrument::SimulatedInstrument(std::uint32_t networkAddress, Instrument::Clock clock)
    : instrument_(networkAddress, std::move(clock)) {}

void SimulatedInstrument::addFault(const Fault& fault) {
  instrument_.addFault(fault);
}

void SimulatedInstrument::clearFaults() {
  instrument_.clearFaults();
}

std::vector<std::string> SimulatedInstrument::receivedFrames() const {
  return log_.frames();
}

void SimulatedInstrument::clearReceivedFrames() {
  log_.clear();
}

LineTraffic SimulatedInstrument::lineTraffic() const {
  return log_.traffic();
}

bool SimulatedInstrument::waitForReceivedFrames(std::size_t count,
                                                std::chrono::milliseconds timeout) const {
  return log_.waitForCount(count, timeout);
}

std::optional<std::uint8_t> SimulatedInstrument::byteParameter(int space, unsigned number) const {
  return instrument_.byteParameter(space, number);
}

std::optional<float> SimulatedInstrument::floatParameter(int space, unsigned number) const {
  return instrument_.floatParameter(space, number);
}

void SimulatedInstrument::setByteParameter(int space, unsigned number, std::uint8_t value) {
  instrument_.setByteParameter(space, number, value);
}

void SimulatedInstrument::setFloatParameter(int space, unsigned number, float value) {
  instrument_.setFloatParameter(space, number, value);
}

void SimulatedInstrument::overrideLiveBlock(std::optional<std::array<std::uint8_t, 16>> block) {
  instrument_.overrideLiveBlock(block);
}

struct Simulator::Line {
  Line(Instrument& instrument, FrameLog& log, const SimulatorOptions& options)
      : server(pty, instrument, log, PacingOf(options)) {}

  Pty pty;
  std::vector<std::filesystem::path> links;
  PtyServer server;  // last: stops before anything it uses goes away
};

Simulator::Simulator(SimulatorOptions options)
    : SimulatedInstrument(options.networkAddress, std::chrono::steady_clock::now),
      line_(std::make_unique<Line>(instrument_, log_, options)) {}

Simulator::~Simulator() {
  const std::vector<std::filesystem::path> links = std::move(line_->links);
  const std::string path = devicePath();
  line_.reset();
  // Only links that still lead to this pty: another simulator may have taken the name over.
  for (const auto& link : links) {
    std::error_code error;
    if (std::filesystem::read_symlink(link, error) == path) std::filesystem::remove(link, error);
  }
}

const std::string& Simulator::devicePath() const {
  return line_->pty.slavePath();
}

void Simulator::linkAt(const std::filesystem::path& link) {
  const auto status = std::filesystem::symlink_status(link);
  if (std::filesystem::exists(status)) {
    if (!std::filesystem::is_symlink(status)) {
      throw std::filesystem::filesystem_error("not a link, left alone", link,
                                              std::make_error_code(std::errc::file_exists));
    }
    std::filesystem::remove(link);
  }
  std::filesystem::create_symlink(devicePath(), link);
  line_->links.push_back(link);
}

InProcessSimulator::InProcessSimulator(SimulatorOptions options)
    : InProcessSimulator(options, std::make_shared<VirtualClock>()) {}

InProcessSimulator::InProcessSimulator(SimulatorOptions options,
                                       std::shared_ptr<VirtualClock> clock)
    : SimulatedInstrument(options.networkAddress, [clock] { return clock->steadyNow(); }),
      clock_(std::move(clock)),
      port_(instrument_, log_, *clock_, PacingOf(options)) {}

}  // namespace zorkan::sim
