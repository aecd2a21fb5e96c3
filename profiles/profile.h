#pragma once
// Profiles: a whole DeviceSettings in an INI file (".prf"), the automatic profile of the last run
// and the built-in profile. A load reads its file once; every write replaces the file once,
// atomically, so that whatever happens midway the file holds the old profile or the new one.

#include <filesystem>
#include <vector>

#include "profiles/profile_keys.h"
#include "settings/device_settings.h"

namespace zorkan {

// Fills the model from the file, writing the default profile there first when no file exists.
// false when no file exists and none can be written there (report UnableToWriteText(path)), or
// when the file is there but cannot be read; the model is unchanged then. A profile that cannot be
// written loads whole, without the write-backs a load makes, and so does a file that holds none
// of a profile's sections, which is never changed. Bad contents never stop a load: they give
// defaults.
[[nodiscard]] bool LoadProfile(const std::filesystem::path& path, DeviceSettings& settings);
// As above; `missingWrittenKeys` gets the keys of the settings a whole write sends that the file
// does not hold (their settings took the defaults), none for a file the load created.
[[nodiscard]] bool LoadProfile(const std::filesystem::path& path, DeviceSettings& settings,
                               std::vector<profile::KeyPlace>& missingWrittenKeys);

// Writes the saved keys of the model; a read-only profile is overwritten. false when the write
// was refused; the file holds what it held before.
[[nodiscard]] bool SaveProfile(const std::filesystem::path& path, const DeviceSettings& settings);

// ZORKAN740_PID.prf in `workDir`, written only when no file of that name exists. false when the
// write was refused.
[[nodiscard]] bool WriteBuiltinProfile(const std::filesystem::path& workDir);
std::filesystem::path BuiltinProfilePath(const std::filesystem::path& workDir);

// recent.prf in `workDir`: the configuration of the last run.
std::filesystem::path RecentProfilePath(const std::filesystem::path& workDir);

}  // namespace zorkan
