#pragma once
// What the operator calls a setting: the caption the pages give its control, and a plain name
// for the settings whose controls this edition hides.

#include <QString>
#include <string_view>

namespace zorkan {

// `section` and `key` as a profile names them ("CH1", "th1"); the profile key itself for a
// setting the pages do not hold.
QString SettingCaption(std::string_view section, std::string_view key);

}  // namespace zorkan
