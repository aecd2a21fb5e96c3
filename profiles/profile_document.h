#pragma once
// Profiles held in memory between one read and one replacement of their file. LoadProfile and
// SaveProfile are built from these; a caller whose own work comes between the load and the save
// (zorkan-cli read) keeps the profile in memory, so that the file changes only once that work has
// succeeded.

#include <optional>

#include "ini/ini_document.h"
#include "ini/ini_file.h"
#include "settings/device_settings.h"

namespace zorkan {

// The profile LoadProfile writes where no file is, byte for byte.
IniDocument DefaultProfile();

// Every key of `profile` into the model, and LoadProfile's write-backs into `profile`.
void LoadProfileFrom(IniDocument& profile, DeviceSettings& settings);

// LoadProfile of a file that exists and was read already: the write-backs replace the file once,
// and are skipped silently where the file cannot be written or holds none of a profile's
// sections.
void LoadExistingProfile(const IniFile& file, IniDocument profile, DeviceSettings& settings);

// The saved keys of the model into `profile`.
void SaveProfileInto(IniDocument& profile, const DeviceSettings& settings);

// Every key of the model into `profile`, those a save leaves to the file too (the calibration
// procedure and limits, the sensor limits): a profile that loads back as this very model, as far
// as profiles carry it.
void SaveCompleteProfileInto(IniDocument& profile, const DeviceSettings& settings);

// The file replaced by `profile` in one step; a read-only profile is overwritten. false when the
// file system refused.
[[nodiscard]] bool ReplaceProfile(const IniFile& file, const IniDocument& profile);

// At least one section of a profile is there, its name compared as the accessor compares names.
bool HoldsProfileSection(const IniDocument& document);

}  // namespace zorkan
