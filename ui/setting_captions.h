#pragma once
// What the operator calls a setting in a table of differences: the caption the key table gives it
// (profiles/profile_keys.cpp), else its section and key as a profile names them.

#include <QString>
#include <string_view>

namespace zorkan {

QString SettingCaption(std::string_view section, std::string_view key);

}  // namespace zorkan
