#include "ui/setting_captions.h"

#include "profiles/profile_keys.h"

namespace zorkan {

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString SettingCaption(std::string_view section, std::string_view key) {
  if (const auto place = profile::FindKeyPlace(section, key)) {
    if (const std::string_view caption = profile::CaptionOf(*place); !caption.empty()) {
      return Text(caption);
    }
  }
  return Text(section) + " " + Text(key);
}

}  // namespace zorkan
