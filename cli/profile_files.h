#pragma once
// The profile files the commands are given: read once, or refused with the reason on one line of
// standard error.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ini/ini_document.h"
#include "ini/ini_file.h"
#include "profiles/profile_keys.h"

namespace zorkan::cli {

// Prints "zorkan-cli: PATH: REASON" and returns kExitProfileUnusable.
int Refused(const std::filesystem::path& path, const std::string& reason);

// A profile file that is there, read once; nullopt once the reason it cannot be used is printed.
std::optional<IniDocument> ReadProfileFile(const IniFile& file,
                                           const std::filesystem::file_status& status);

// A profile file that must be there and hold a profile, for the commands that take their settings
// from it: a missing one would be taken for the default profile, and an empty or binary file, or
// another program's, would load as the defaults, which nobody is there to notice. nullopt once
// the reason it cannot be used is printed.
std::optional<IniDocument> ReadExistingProfile(const IniFile& file);

// Why a profile that lacks some of the settings a write sends cannot be used as it is ("3 of the
// settings a write sends are missing, the first CH2 th1"): its load gives them the defaults, which
// a write would send and a comparison would show as the profile's values. nullopt when none is
// missing.
std::optional<std::string> MissingSettingsText(const std::vector<profile::KeyPlace>& missing);

}  // namespace zorkan::cli
