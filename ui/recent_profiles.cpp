#include "ui/recent_profiles.h"

#include <QAction>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "ini/atomic_file.h"

namespace zorkan {

namespace {

// A path a line, in UTF-8 as the file system names it: a list of file names, unlike the profiles
// and dev.dat, which other programs read in their own code page.
constexpr const char* kListFileName = "recent_profiles.lst";

std::filesystem::path Absolute(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return (error ? path : absolute).lexically_normal();
}

}  // namespace

RecentProfiles::RecentProfiles(QMenu& menu, const std::filesystem::path& workDir,
                               std::function<void(const std::filesystem::path&)> open)
    : menu_(menu), listFile_(workDir / kListFileName), open_(std::move(open)) {
  std::ifstream list(listFile_, std::ios::binary);
  for (std::string line; std::getline(list, line) && profiles_.size() < kMostProfiles;) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) profiles_.emplace_back(line);
  }
  fillMenu();
}

void RecentProfiles::add(const std::filesystem::path& profile) {
  const std::filesystem::path absolute = Absolute(profile);
  std::erase(profiles_, absolute);
  profiles_.insert(profiles_.begin(), absolute);
  if (profiles_.size() > kMostProfiles) profiles_.resize(kMostProfiles);
  keep();
}

void RecentProfiles::forget(const std::filesystem::path& profile) {
  std::erase(profiles_, Absolute(profile));
  keep();
}

// A list that cannot be kept costs the operator nothing but the next start's offer: the folder's
// own profiles say loudly enough that it refuses writes.
void RecentProfiles::keep() {
  std::ostringstream list;
  for (const std::filesystem::path& profile : profiles_) list << profile.string() << '\n';
  ReplaceFileAtomically(listFile_, list.str());
  fillMenu();
}

void RecentProfiles::fillMenu() {
  // Choosing an item changes the list while the item is still being triggered: it goes later.
  for (QAction* item : menu_.actions()) {
    menu_.removeAction(item);
    item->deleteLater();
  }
  for (std::size_t i = 0; i < profiles_.size(); ++i) {
    const std::filesystem::path profile = profiles_[i];
    // The number is the item's Alt letter; an ampersand of the path is no letter mark.
    const QString text = QString("&%1 %2").arg(i + 1).arg(
        QString::fromStdString(profile.string()).replace('&', "&&"));
    QObject::connect(menu_.addAction(text), &QAction::triggered, &menu_,
                     [this, profile] { open_(profile); });
  }
  menu_.setEnabled(!profiles_.empty());
}

}  // namespace zorkan
