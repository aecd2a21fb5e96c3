#include "sim/simulator.h"

#include <algorithm>
#include <system_error>

#include "sim/frame_log.h"
#include "sim/instrument.h"
#include "sim/pty.h"
#include "sim/pty_server.h"

namespace zorkan::sim {

struct Simulator::Parts {
  explicit Parts(const SimulatorOptions& options)
      : instrument(options.networkAddress),
        server(pty, instrument, log,
               {options.baudRate, std::chrono::milliseconds(std::max(0, options.turnaroundMs))}) {}

  Instrument instrument;
  FrameLog log;
  Pty pty;
  std::vector<std::filesystem::path> links;
  PtyServer server;  // last: stops before anything it uses goes away
};

Simulator::Simulator(SimulatorOptions options) : parts_(std::make_unique<Parts>(options)) {}

Simulator::~Simulator() {
  const std::vector<std::filesystem::path> links = std::move(parts_->links);
  const std::string path = devicePath();
  parts_.reset();
  // Only links that still lead to this pty: another simulator may have taken the name over.
  for (const auto& link : links) {
    std::error_code error;
    if (std::filesystem::read_symlink(link, error) == path) std::filesystem::remove(link, error);
  }
}

const std::string& Simulator::devicePath() const {
  return parts_->pty.slavePath();
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
  parts_->links.push_back(link);
}

void Simulator::addFault(const Fault& fault) {
  parts_->instrument.addFault(fault);
}

void Simulator::clearFaults() {
  parts_->instrument.clearFaults();
}

std::vector<std::string> Simulator::receivedFrames() const {
  return parts_->log.frames();
}

void Simulator::clearReceivedFrames() {
  parts_->log.clear();
}

LineTraffic Simulator::lineTraffic() const {
  return parts_->log.traffic();
}

bool Simulator::waitForReceivedFrames(std::size_t count, std::chrono::milliseconds timeout) const {
  return parts_->log.waitForCount(count, timeout);
}

std::optional<std::uint8_t> Simulator::byteParameter(int space, unsigned number) const {
  return parts_->instrument.byteParameter(space, number);
}

std::optional<float> Simulator::floatParameter(int space, unsigned number) const {
  return parts_->instrument.floatParameter(space, number);
}

void Simulator::setByteParameter(int space, unsigned number, std::uint8_t value) {
  parts_->instrument.setByteParameter(space, number, value);
}

void Simulator::setFloatParameter(int space, unsigned number, float value) {
  parts_->instrument.setFloatParameter(space, number, value);
}

void Simulator::overrideLiveBlock(std::optional<std::array<std::uint8_t, 16>> block) {
  parts_->instrument.overrideLiveBlock(block);
}

}  // namespace zorkan::sim
