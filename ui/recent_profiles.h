#pragma once
// "Недавние профили": the profiles last loaded or saved through the menu, newest first, at most
// eight. The list is kept in the working folder, so that the next start offers it too.

#include <QMenu>
#include <filesystem>
#include <functional>
#include <vector>

namespace zorkan {

class RecentProfiles {
 public:
  static constexpr std::size_t kMostProfiles = 8;

  // `menu` lists the profiles of the list file in `workDir`; choosing one calls `open` with it.
  RecentProfiles(QMenu& menu, const std::filesystem::path& workDir,
                 std::function<void(const std::filesystem::path&)> open);

  // The profile goes first; one that was there already moves up.
  void add(const std::filesystem::path& profile);
  void forget(const std::filesystem::path& profile);
  const std::vector<std::filesystem::path>& profiles() const { return profiles_; }

 private:
  void keep();
  void fillMenu();

  QMenu& menu_;
  const std::filesystem::path listFile_;
  std::function<void(const std::filesystem::path&)> open_;
  std::vector<std::filesystem::path> profiles_;
};

}  // namespace zorkan
