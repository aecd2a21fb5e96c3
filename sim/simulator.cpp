#include "sim/simulator.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <system_error>

#include "sim/pty.h"
#include "sim/pty_server.h"

namespace zorkan::sim {

namespace {

LinePacing PacingOf(const SimulatorOptions& options) {
  return {options.baudRate, std::chrono::milliseconds(std::max(0, options.turnaroundMs))};
}

std::vector<std::uint32_t> AddressesOf(const SimulatorOptions& options) {
  std::vector<std::uint32_t> addresses{options.networkAddress};
  addresses.insert(addresses.end(), options.moreAddresses.begin(), options.moreAddresses.end());
  return addresses;
}

Instrument& Found(Instrument* instrument, std::uint32_t networkAddress) {
  if (instrument == nullptr) {
    throw std::out_of_range("no instrument at address " + std::to_string(networkAddress));
  }
  return *instrument;
}

}  // namespace

SimulatedInstrument::SimulatedInstrument(const SimulatorOptions& options,
                                         const Instrument::Clock& clock)
    : line_(AddressesOf(options), clock, options.baudRate, options.plant) {}

void SimulatedInstrument::addFault(const Fault& fault) {
  line_.addFault(fault);
}

void SimulatedInstrument::clearFaults() {
  line_.clearFaults();
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
  return line_.first().byteParameter(space, number);
}

std::optional<float> SimulatedInstrument::floatParameter(int space, unsigned number) const {
  return line_.first().floatParameter(space, number);
}

void SimulatedInstrument::setByteParameter(int space, unsigned number, std::uint8_t value) {
  line_.first().setByteParameter(space, number, value);
}

void SimulatedInstrument::setFloatParameter(int space, unsigned number, float value) {
  line_.first().setFloatParameter(space, number, value);
}

void SimulatedInstrument::overrideLiveBlock(std::optional<std::array<std::uint8_t, 16>> block) {
  line_.first().overrideLiveBlock(block);
}

Instrument& SimulatedInstrument::instrument(std::uint32_t networkAddress) {
  return Found(line_.find(networkAddress), networkAddress);
}

const Instrument& SimulatedInstrument::instrument(std::uint32_t networkAddress) const {
  return Found(line_.find(networkAddress), networkAddress);
}

struct Simulator::Serving {
  Serving(InstrumentLine& instruments, FrameLog& log, const SimulatorOptions& options)
      : server(pty, instruments, log, PacingOf(options)) {}

  Pty pty;
  std::vector<std::filesystem::path> links;
  PtyServer server;  // last: stops before anything it uses goes away
};

Simulator::Simulator(SimulatorOptions options)
    : SimulatedInstrument(options, std::chrono::steady_clock::now),
      serving_(std::make_unique<Serving>(line_, log_, options)) {}

Simulator::~Simulator() {
  const std::vector<std::filesystem::path> links = std::move(serving_->links);
  const std::string path = devicePath();
  serving_.reset();
  // Only links that still lead to this pty: another simulator may have taken the name over.
  for (const auto& link : links) {
    std::error_code error;
    if (std::filesystem::read_symlink(link, error) == path) std::filesystem::remove(link, error);
  }
}

const std::string& Simulator::devicePath() const {
  return serving_->pty.slavePath();
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
  serving_->links.push_back(link);
}

InProcessSimulator::InProcessSimulator(SimulatorOptions options)
    : InProcessSimulator(options, std::make_shared<VirtualClock>()) {}

InProcessSimulator::InProcessSimulator(SimulatorOptions options,
                                       std::shared_ptr<VirtualClock> clock)
    : SimulatedInstrument(options, [clock] { return clock->steadyNow(); }),
      clock_(std::move(clock)),
      port_(line_, log_, *clock_, PacingOf(options)) {}

}  // namespace zorkan::sim
