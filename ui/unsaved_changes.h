#pragma once
// The question on closing the window: changes made on the pages to a profile loaded from the
// menu, not saved, read or written since, are offered for saving into that profile.

#include <QString>
#include <filesystem>
#include <optional>

#include "operator/operator_dialogs.h"
#include "settings/device_settings.h"

class QWidget;

namespace zorkan {

class UnsavedChanges {
 public:
  UnsavedChanges(QWidget& window, OperatorDialogs& dialogs) : window_(window), dialogs_(dialogs) {}

  // A profile loaded from the menu onto the pages, which now show `shown`.
  void profileLoaded(const std::filesystem::path& profile, const DeviceSettings& shown);
  // The pages, which hold `shown`, were saved, read or written: nothing on them is lost now.
  void settled(const DeviceSettings& shown);
  // The pages hold what no profile of the menu stands for (a journal entry): nothing to offer.
  void forget();
  bool holdsMenuProfile() const { return profile_.has_value(); }

  // `pages` as the window collected them for closing. Asks when they differ from what was last
  // settled for the profile loaded from the menu: "Да" saves them into it, "Нет" leaves it as it
  // is. false when the window is to stay open: the operator answered "Отмена", or the profile
  // refused the save (said in a box).
  bool settleBeforeClose(const DeviceSettings& pages);

 private:
  QWidget& window_;
  OperatorDialogs& dialogs_;
  std::optional<std::filesystem::path> profile_;
  DeviceSettings settled_;
};

}  // namespace zorkan
