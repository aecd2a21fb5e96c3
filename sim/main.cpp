// zorkan-sim: the simulated instruments of one line on a pty, linked into a folder as COM1 (or
// another name), so that the tool finds it like a serial port.

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "sim/command_line.h"
#include "sim/simulator.h"

namespace {

// "address 1", or "addresses 1,2,7" for a line of several instruments.
std::string AddressesText(const zorkan::sim::SimulatorOptions& options) {
  std::string text = options.moreAddresses.empty() ? "address " : "addresses ";
  text += std::to_string(options.networkAddress);
  for (const std::uint32_t address : options.moreAddresses) {
    text += ',';
    text += std::to_string(address);
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zorkan::sim;
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const auto parsed = ParseCommandLine(args);
  if (const auto* problem = std::get_if<std::string>(&parsed)) {
    std::fprintf(stderr, "zorkan-sim: %s (see --help)\n", problem->c_str());
    return 2;
  }
  const CommandLine& line = std::get<CommandLine>(parsed);
  if (line.help) {
    std::fputs(UsageText().c_str(), stdout);
    return 0;
  }

  // Blocked before the serving thread exists, so that only sigwait below ever sees them.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  try {
    Simulator simulator(line.options);
    for (const Fault& fault : line.faults) simulator.addFault(fault);
    simulator.linkAt(line.dir / line.name);
    std::printf("zorkan-sim: %s -> %s, %u baud, %s\n", line.name.c_str(),
                simulator.devicePath().c_str(), static_cast<unsigned>(line.options.baudRate),
                AddressesText(line.options).c_str());
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stopSignals, &signal);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "zorkan-sim: %s\n", error.what());
    return 1;
  }
  return 0;
}
