#pragma once
// "Журнал настроек…": the journal's entries, newest first, of the instrument on the pages or of
// every instrument; a chosen entry compared with the pages or loaded onto them, and the settings
// before the newest write found. Nothing here writes to the instrument: a loaded entry goes there
// only through the usual "Записать в прибор".

#include <QCoreApplication>
#include <QDialog>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "journal/journal.h"
#include "operator/operator_dialogs.h"
#include "settings/device_settings.h"

namespace Ui {
class JournalWindow;
}

namespace zorkan {

class JournalWindow final : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(zorkan::JournalWindow)

 public:
  // `pages`: the model as the pages hold it, which entries are compared with; its serial number
  // names the instrument whose entries are listed first.
  JournalWindow(const Journal& journal, const DeviceSettings& pages, OperatorDialogs& dialogs,
                QWidget* parent);
  ~JournalWindow() override;

  // The entry the operator chose to load onto the pages; nullopt when the window was closed.
  const std::optional<JournalEntry>& entryToLoad() const { return entryToLoad_; }

 protected:
  // A language chosen: the form and the entries in it, the chosen one still chosen.
  void changeEvent(QEvent* event) override;

 private:
  void fill();
  void showChosenEntry();
  void compareWithPages();
  void load(const JournalEntry& entry);
  // The entry of the current row; nullopt with no row chosen.
  std::optional<JournalEntry> chosenEntry() const;

  std::unique_ptr<Ui::JournalWindow> ui_;
  const Journal& journal_;
  const DeviceSettings& pages_;
  OperatorDialogs& dialogs_;
  std::int32_t serialNumber_;
  std::vector<JournalEntry> shown_;
  std::optional<JournalEntry> entryToLoad_;
};

// "Вернуть настройки до записи": the newest successful whole read of the pages' instrument made
// before its newest write; nullopt, once a box has said so, when the journal holds none.
std::optional<JournalEntry> FindReadBeforeWrite(const Journal& journal, const DeviceSettings& pages,
                                                OperatorDialogs& dialogs);

}  // namespace zorkan
