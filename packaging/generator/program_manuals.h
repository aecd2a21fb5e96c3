#pragma once
// The manual pages of zorkan-cli and zorkan-sim, from the texts their --help prints, so that a
// command or option added to a program is in its page at the next build.

#include <string>

namespace zorkan::packaging {

std::string ZorkanCliManual(const std::string& source, const std::string& date);
std::string ZorkanSimManual(const std::string& source, const std::string& date);

}  // namespace zorkan::packaging
