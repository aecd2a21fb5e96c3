#pragma once
// The profile keys of the settings the instrument itself holds, as opposed to those only profiles
// keep (calibration, descriptions, units, sensor bounds, transfer switches).

#include <string>
#include <vector>

#include "ini/ini_document.h"
#include "profiles/profile_keys.h"

namespace zorkan {

// The keys of the settings a whole read takes from the instrument, in the order a saved profile
// holds them: each channel's, the relay masks, the general parameters.
const std::vector<profile::KeyPlace>& ReadKeyPlaces();

// The keys of the settings a whole write sends: those a read takes but the quality-control code,
// which is only read.
const std::vector<profile::KeyPlace>& WrittenKeyPlaces();

// The settings at ReadKeyPlaces() from `instrument` into `profile`: a read over an existing
// profile, which keeps the rest of what the profile holds.
void CopyReadSettings(DeviceSettings instrument, DeviceSettings& profile);

// The section and the key with a blank between, as a message names a key.
std::string KeyPlaceName(const profile::KeyPlace& place);

// The keys a whole write sends that `profile` does not hold, in the order above: a load gives
// their settings the defaults, which a write would then send without a word.
std::vector<profile::KeyPlace> MissingWrittenKeys(const IniDocument& profile);

}  // namespace zorkan
