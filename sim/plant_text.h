#pragma once
// The heated object as zorkan-sim's --plant gives it: "gain=4,tau=20,delay=4".

#include <optional>
#include <string>
#include <string_view>

#include "sim/heated_object.h"

namespace zorkan::sim {

// Sets the keys given in `text` (gain, tau, tau2, delay, noise, ambient) and leaves the others as
// they are; nullopt, or what is wrong with the text.
std::optional<std::string> ApplyPlantText(std::string_view text, PlantOptions& options);

extern const char kPlantTextHelp[];

}  // namespace zorkan::sim
