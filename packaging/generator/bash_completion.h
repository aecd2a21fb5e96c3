#pragma once
// zorkan-cli's completion in bash, made from its command table: commands, their subcommands and
// options, the link options, and the values the tables know (baud rates, port numbers).

#include <string>

namespace zorkan::packaging {

std::string BashCompletion();

}  // namespace zorkan::packaging
