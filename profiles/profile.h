#pragma once
// Profiles: a whole DeviceSettings in an INI file (".prf"), the automatic profile of the last run
// and the built-in profile. Every write goes key by key through the INI accessor, so a refused
// write leaves the keys written before it in the file.

#include <filesystem>

#include "settings/device_settings.h"

namespace zorkan {

// Fills the model from the file, writing the default profile there first when no file exists.
// false when a write was refused (report UnableToWriteText(path)); the settings read before the
// refusal hold the loaded values. Bad contents never stop a load: they give defaults.
[[nodiscard]] bool LoadProfile(const std::filesystem::path& path, DeviceSettings& settings);

// Writes the saved keys of the model; a read-only profile is overwritten. false when a write was
// refused; the keys written before stay in the file.
[[nodiscard]] bool SaveProfile(const std::filesystem::path& path, const DeviceSettings& settings);

// ZORKAN740_PID.prf in `workDir`, written only when no file of that name exists. false when a
// write was refused.
[[nodiscard]] bool WriteBuiltinProfile(const std::filesystem::path& workDir);
std::filesystem::path BuiltinProfilePath(const std::filesystem::path& workDir);

// recent.prf in `workDir`: the configuration of the last run.
std::filesystem::path RecentProfilePath(const std::filesystem::path& workDir);

}  // namespace zorkan
