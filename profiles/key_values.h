#pragma once
// One key's setting between a profile in memory and the model, as the key's kind is held: integers
// decimal, reals in the "%8.4f" form, texts as they are. The load and the save both go through
// these.

#include "ini/ini_document.h"
#include "profiles/profile_keys.h"
#include "settings/device_settings.h"

namespace zorkan {

// A missing key gives its default; for a real, a text without a number leaves the setting as it
// was.
void ReadKeyValue(const IniDocument& profile, const profile::KeyPlace& place,
                  DeviceSettings& settings);

// `model` is only read: the key table hands out writable fields.
void WriteKeyValue(IniDocument& profile, const profile::KeyPlace& place, DeviceSettings& model);

}  // namespace zorkan
