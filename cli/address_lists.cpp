#include "cli/address_lists.h"

#include <set>

#include "cli/number_text.h"

namespace zorkan::cli {

namespace {

// Every address of the ranges once, in the order written; nullopt beyond what a line holds.
std::optional<std::vector<std::uint32_t>> LineAddresses(const std::vector<AddressRange>& ranges) {
  std::vector<std::uint32_t> addresses;
  std::set<std::uint32_t> seen;
  for (const AddressRange& range : ranges) {
    for (std::uint64_t address = range.first; address <= range.last; ++address) {
      if (!seen.insert(static_cast<std::uint32_t>(address)).second) continue;
      if (addresses.size() == kMostLineAddresses) return std::nullopt;
      addresses.push_back(static_cast<std::uint32_t>(address));
    }
  }
  return addresses;
}

}  // namespace

std::optional<std::vector<AddressRange>> ParseAddressRanges(std::string_view text) {
  std::vector<AddressRange> ranges;
  for (;;) {
    const std::size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    const std::size_t dash = item.find('-');
    const auto first = ParseNumber<std::uint32_t>(item.substr(0, dash));
    const auto last =
        dash == std::string_view::npos ? first : ParseNumber<std::uint32_t>(item.substr(dash + 1));
    if (!first || !last || *first > *last || *last - *first >= kMostLineAddresses) {
      return std::nullopt;
    }
    ranges.push_back({*first, *last});
    if (comma == std::string_view::npos) return ranges;
    text.remove_prefix(comma + 1);
  }
}

std::optional<UsageError> ParseAddressList(const std::map<std::string, std::string>& values,
                                           std::vector<std::uint32_t>& addresses) {
  const auto list = values.find("--addresses");
  if (list == values.end()) return std::nullopt;
  const auto ranges = ParseAddressRanges(list->second);
  const auto parsed = ranges ? LineAddresses(*ranges) : std::nullopt;
  if (!parsed) {
    return UsageError{"--addresses needs a list such as 1,2,7 or 1-3,7 of at most " +
                      std::to_string(kMostLineAddresses) + " addresses: " + list->second};
  }
  addresses = *parsed;
  return std::nullopt;
}

}  // namespace zorkan::cli
