#pragma once
// What the operator reads in a table of differences: each setting under the caption the key table
// gives it (profiles/profile_keys.cpp), each value as the setting's control shows it, both in the
// window's language.

#include <QString>
#include <string>
#include <string_view>

#include "profiles/profile_keys.h"
#include "settings/page_bindings.h"

namespace zorkan {

QString SettingCaption(std::string_view section, std::string_view key);

// A value of the setting as a profile writes it ("9"), as its control on the pages shows it: the
// item of a list ("ТХА ТП ХА(K) хромель/алюмель"), "да" or "нет" for a check box; the value itself
// for any other setting, and for a value the control has no item for.
QString SettingValueText(std::string_view section, std::string_view key, const std::string& value);

// The control of the pages that carries the setting at `place`; nullptr for a setting no control
// carries (the relay grid's masks among them).
const PageBinding* PageBindingOf(const profile::KeyPlace& place);

}  // namespace zorkan
