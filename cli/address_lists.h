#pragma once
// Network addresses as the command line gives them: "1,2,7", "1-3", "1-3,7".

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"

namespace zorkan::cli {

struct AddressRange {
  std::uint32_t first;
  std::uint32_t last;
};

// More addresses than a line holds is a typo such as "1-4294967295", not a line.
constexpr std::size_t kMostLineAddresses = 256;

// The ranges in the order written; nullopt for an empty item, a range that runs backwards, or one
// of more addresses than a line holds.
std::optional<std::vector<AddressRange>> ParseAddressRanges(std::string_view text);

// --addresses LIST of the commands that work through a line of instruments; `addresses` stays
// empty when it is not given.
std::optional<UsageError> ParseAddressList(const std::map<std::string, std::string>& values,
                                           std::vector<std::uint32_t>& addresses);

}  // namespace zorkan::cli
