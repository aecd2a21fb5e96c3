#pragma once
// The settings pages without widgets: the model goes through the page rules as it would through
// the controls. The command line works with it, so that it gives an instrument the same values as
// the window for the same profile.

#include "settings/device_settings.h"
#include "workflows/settings_view.h"

namespace zorkan {

class HeadlessPages final : public SettingsView {
 public:
  explicit HeadlessPages(DeviceSettings& settings) : settings_(settings) {}

  void CollectSettings() override;
  void ShowSettings() override;
  FieldTexts shownFieldTexts() const override;
  std::vector<ListField> listsWithoutSelection() const override;
  void showGroupSelection() override {}

 private:
  DeviceSettings& settings_;
};

}  // namespace zorkan
