#include "ui/unsaved_changes.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "ini/ini_file.h"
#include "operator/operator_text.h"
#include "profiles/profile.h"
#include "profiles/profile_difference.h"
#include "workflows/headless_pages.h"

namespace zorkan {

namespace {

// The model as the pages would give it back, so that what showing and taking back change (the
// forced switches, a value without a list item) is no change of the operator's.
DeviceSettings AsThePagesGiveItBack(DeviceSettings model) {
  HeadlessPages pages(model);
  pages.ShowSettings();
  pages.CollectSettings();
  return model;
}

}  // namespace

void UnsavedChanges::profileLoaded(const std::filesystem::path& profile,
                                   const DeviceSettings& shown) {
  profile_ = profile;
  settled(shown);
}

void UnsavedChanges::settled(const DeviceSettings& shown) {
  settled_ = AsThePagesGiveItBack(shown);
}

void UnsavedChanges::forget() {
  profile_.reset();
}

bool UnsavedChanges::settleBeforeClose(const DeviceSettings& pages) {
  if (!profile_ || DifferingProfileKeys(settled_, AsThePagesGiveItBack(pages)).empty()) {
    return true;
  }
  QMessageBox box(QMessageBox::Question,
                  QCoreApplication::translate("zorkan::UnsavedChanges", "Несохранённые изменения"),
                  QCoreApplication::translate("zorkan::UnsavedChanges",
                                              "Настройки на страницах изменены после загрузки "
                                              "профиля\n%1\nи не сохранены. Сохранить их в этот "
                                              "профиль?")
                      .arg(QString::fromStdString(profile_->string())),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &window_);
  box.setDefaultButton(QMessageBox::Yes);
  switch (box.exec()) {
    case QMessageBox::Yes:
      if (SaveProfile(*profile_, pages)) return true;
      ShowMessage(dialogs_, OPERATOR_TEXT("Ошибка"), UnableToWriteText(*profile_),
                  DialogIcon::Error);
      return false;
    case QMessageBox::No:
      return true;
    default:
      return false;
  }
}

}  // namespace zorkan
