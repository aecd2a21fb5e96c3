#pragma once
// The options of the zorkan-sim executable.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "sim/faults.h"
#include "sim/simulator.h"

namespace zorkan::sim {

struct CommandLine {
  std::filesystem::path dir = ".";
  std::string name = "COM1";
  SimulatorOptions options;
  std::vector<Fault> faults;
  bool help = false;
};

// The parsed options, or a message saying what is wrong with them.
std::variant<CommandLine, std::string> ParseCommandLine(std::span<const std::string_view> args);

std::string UsageText();

}  // namespace zorkan::sim
