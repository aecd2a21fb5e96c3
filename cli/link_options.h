#pragma once
// The options every command takes: where and how to reach the instrument.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"

namespace zorkan::cli {

bool IsLinkOption(std::string_view option);
// Their names, each taking a value, in the order of the help.
std::vector<std::string_view> LinkOptionNames();
// The link options among `values` into `link`, in the order of their names.
std::optional<UsageError> ParseLinkOptions(const std::map<std::string, std::string>& values,
                                           LinkOptions& link);
// Their part of each command's help.
std::string_view LinkOptionsHelp();

}  // namespace zorkan::cli
