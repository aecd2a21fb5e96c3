#pragma once
// The ranges and numbers that the help texts name by a placeholder ("{bauds}", "{differ}"), from
// the tables that define them, so that the help cannot fall behind them.

#include <string>

namespace zorkan::cli {

std::string FillInRanges(std::string text);

}  // namespace zorkan::cli
