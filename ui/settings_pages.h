#pragma once
// The settings pages of the main window as a view of the model: the bound controls walked by the
// page bindings, the relay grid, the displays and the group panels. The exchange workflows see it
// as their SettingsView.

#include <QColor>
#include <QCoreApplication>
#include <vector>

#include "link/link_settings.h"
#include "settings/device_settings.h"
#include "workflows/settings_view.h"

class QWidget;

namespace Ui {
class TForm1;
}

namespace zorkan {

class OperatorDialogs;
class CancelLatch;

class SettingsPages final : public SettingsView {
  Q_DECLARE_TR_FUNCTIONS(zorkan::SettingsPages)

 public:
  SettingsPages(Ui::TForm1& ui, DeviceSettings& settings, const LinkSettings& linkSettings,
                OperatorDialogs& dialogs, CancelLatch& latch);

  // The list items and the relay grid's frame.
  void FillLists();
  // The list items and the relay grid's captions in the language just chosen; what each control
  // holds stays.
  void retranslate();

  void CollectSettings() override;
  void ShowSettings() override;
  FieldTexts shownFieldTexts() const override;
  std::vector<ListField> listsWithoutSelection() const override;
  void showGroupSelection() override;

  // The group panels: the regulator, general and relay groups in button face, channel 2's group
  // white while it is selected.
  void MarkSelectedGroups();
  // A click on a cell of the relay grid toggles its mark; the masks follow at the next collect.
  void StringGrid3Click(int row, int column);

 private:
  void collectRelayGrid();
  void showDisplays();
  void showGroupBoxes();
  void showRelayGrid();
  void showRelayGridCaptions();
  void setPanelColour(QWidget* panel, const QColor& colour);

  Ui::TForm1& ui_;
  DeviceSettings& settings_;
  const LinkSettings& linkSettings_;
  OperatorDialogs& dialogs_;
  CancelLatch& latch_;
  // The control of each page binding, in the order of the bindings.
  std::vector<QWidget*> controls_;
};

}  // namespace zorkan
