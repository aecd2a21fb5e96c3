#pragma once
// The short text form of a fault used on the simulator's command line.

#include <optional>
#include <string_view>

#include "sim/faults.h"

namespace zorkan::sim {

// [ADDRESS/]KIND[@SPACE:NUMBER][=AMOUNT][xTIMES], e.g. "late@2:15=1500x1" or
// "3/status@2:3=0003".
std::optional<Fault> ParseFault(std::string_view text);

// Lines for --help describing that form.
extern const char kFaultTextHelp[];

}  // namespace zorkan::sim
