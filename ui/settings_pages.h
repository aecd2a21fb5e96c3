#pragma once
// The settings pages of the main window as a view of the model: which control carries which field,
// the conversions both ways, the relay grid and the displays. The exchange workflows see it as
// their SettingsView.

#include <QColor>
#include <QList>
#include <QPointer>
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

// The PWM state of the direct-control page; not part of the model nor of any profile.
struct DirectControl {
  int controlWord = 0;  // 0: the instrument sets the PWM; 1 or 2: manual duty on relay 1 or 2
  int duty = 0;         // per cent
};

class SettingsPages final : public SettingsView {
 public:
  SettingsPages(Ui::TForm1& ui, DeviceSettings& settings, const LinkSettings& linkSettings,
                DirectControl& directControl, OperatorDialogs& dialogs, CancelLatch& latch);

  // The list items and the hints that depend on no setting.
  void FillLists();

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
  void collectNumbers();
  void collectLists();
  void collectRelayGrid();
  void collectSerialNumber();
  void showDisplays();
  void showGroupBoxes();
  void showNumbers();
  void showLists();
  void showRelayGrid();
  void setPanelColour(QWidget* panel, const QColor& colour);

  Ui::TForm1& ui_;
  DeviceSettings& settings_;
  const LinkSettings& linkSettings_;
  DirectControl& directControl_;
  OperatorDialogs& dialogs_;
  CancelLatch& latch_;
};

}  // namespace zorkan
