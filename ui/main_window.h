#pragma once
// The main window TForm1: start-up and close, the exchange buttons, the profile menu, the port
// list and the page switches. It owns the run's single link, model and live values and hands them
// to the shared workflows.

#include <QCoreApplication>
#include <QMainWindow>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

#include "journal/journal.h"
#include "link/device_link.h"
#include "link/link_settings.h"
#include "live/csv_measurement_log.h"
#include "live/live_values.h"
#include "operator/link_place.h"
#include "operator/progress.h"
#include "report/report_page.h"
#include "settings/device_settings.h"
#include "ui/direct_control.h"
#include "ui/escape_filter.h"
#include "ui/history_window.h"
#include "ui/live_page.h"
#include "ui/message_boxes.h"
#include "ui/qt_exchange_controls.h"
#include "ui/qt_progress_panel.h"
#include "ui/recent_profiles.h"
#include "ui/settings_pages.h"
#include "ui/status_line.h"
#include "ui/tool_settings.h"
#include "ui/unsaved_changes.h"
#include "ui/window_language.h"
#include "workflows/exchange_context.h"
#include "workflows/instrument_search.h"
#include "workflows/live_polling.h"

class QTimer;

namespace Ui {
class TForm1;
}

namespace zorkan {

class TForm1 final : public QMainWindow {
  Q_DECLARE_TR_FUNCTIONS(zorkan::TForm1)

 public:
  // Runs the start-up sequence in the current working folder; the instrument is reached through
  // `port`, and `clock` dates exchanges and the manufacture date. "Язык / Language" switches
  // `language` and keeps the choice in zorkan-config.ini.
  TForm1(SerialPort& port, const Clock& clock, WindowLanguage& language);
  ~TForm1() override;

  // The live timer's tick: from the first tick on, every 500 ms.
  void PollLiveValues();
  // The report page, created after the main window, that "Сформировать страницу" fills.
  void setReportPage(TForm6& page) { reportPage_ = &page; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // A language chosen: the form's captions and every text the window made itself, anew.
  void changeEvent(QEvent* event) override;

 private:
  void FormCreate();
  void FormClose();
  void Timer2Timer();
  void Button1Click();
  void Button3Click();
  void N2Click();
  void N3Click();
  // A profile from the menu ("Прочитать из файла настройки прибора", "Недавние профили") onto the
  // pages; the title names it.
  void loadProfileFromMenu(const std::filesystem::path& path);
  void openRecentProfile(const std::filesystem::path& path);
  // Before the close sequence: false when the window is to stay open.
  bool offerToSaveChanges();
  // "Найти прибор…": the instruments on the port at any address and baud rate; the one picked
  // goes into dev.dat and the port is opened for it.
  void N4Click();
  // "Сравнить с прибором…": the settings a write of the pages would change in the instrument.
  void N5Click();
  // "Записать в несколько приборов…": the pages written to the instruments of the last search
  // that the operator checks, each one's result shown at the end; the window then works with
  // its own instrument again.
  void N6Click();
  // "Настройка регулятора…": the tuner's dialog, the live tick stopped while it is open.
  void RegulatorTuningClick();
  // "Журнал настроек…": the journal's entries, one of them compared with the pages or loaded.
  void ConfigurationJournalClick();
  // "Параметры связи…": dev.dat's link settings changed; the next exchange goes to the new place.
  void ChangeLinkSettingsClick();
  // "Вернуть настройки до записи": onto the pages, to be written with "Записать в прибор".
  void RestoreBeforeWriteClick();
  // "История измерений…": the measurement logs on a chart, in a window beside this one.
  void MeasurementHistoryClick();
  void ComboBox17Change(int index);
  void TabbedNotebook1Change(int page);
  void ComboBox1Change();
  void ComboBox18Change();
  void Button42Click();

  void connectHandlers();
  void chooseLanguage(Language language);
  // The title: the program and its version, and the profile or journal entry on the pages.
  void showTitle();
  // The profile's description lines and the field that shows them.
  void showDescription();
  void takeDescription();
  // Loads a profile into the model: false when it could not be loaded at all (the model is then
  // as it was) after telling the operator why. `tellMissingKeys`: a file that lacks settings a
  // write sends is named to the operator once with the first few of them, since their defaults
  // would otherwise go to the instrument unnoticed.
  bool loadProfile(const std::filesystem::path& path, bool tellMissingKeys = false);
  // An entry's profile onto the pages as a profile load puts it there; the title names the entry.
  void loadJournalEntry(const JournalEntry& entry);
  void reportUnwritable(const std::filesystem::path& path);
  // The instruments found are on another port or at another baud rate now.
  void forgetLastSearch();

  std::unique_ptr<Ui::TForm1> ui_;
  WindowLanguage& language_;
  const std::filesystem::path workDir_;
  LinkSettings linkSettings_;
  DeviceSettings settings_;
  LiveValues liveValues_;
  CancelLatch latch_;
  MessageBoxes messageBoxes_{*this};
  const Clock& clock_;
  DeviceLink link_;
  NoAnswerPlaceDialogs dialogs_{messageBoxes_, link_, linkSettings_, workDir_};
  Journal journal_;
  std::unique_ptr<QtProgressPanel> progressPanel_;
  std::unique_ptr<Progress> progress_;
  std::unique_ptr<SettingsPages> pages_;
  std::unique_ptr<QtExchangeControls> controls_;
  std::unique_ptr<ExchangeContext> exchange_;
  std::unique_ptr<LivePage> livePage_;
  StatusLine* statusLine_;
  std::unique_ptr<DirectControlPage> directControlPage_;
  std::unique_ptr<RecentProfiles> recentProfiles_;
  UnsavedChanges unsaved_{*this, dialogs_};
  TForm6* reportPage_ = nullptr;
  std::unique_ptr<LivePolling> livePolling_;
  ToolSettings toolSettings_{workDir_};
  CsvMeasurementLog csvLog_{workDir_};
  std::unique_ptr<HistoryWindow> historyWindow_;
  EscapeFilter escapeFilter_{latch_};
  QTimer* Timer2;
  QTimer* Timer3;
  QString openedProfile_;  // what the open-file dialog holds; empty until a profile is opened
  // The profile or journal entry the title names; none before the first load from the menu.
  std::optional<std::filesystem::path> titlePath_;
  // What the last search on this port found; "Записать в несколько приборов…" offers its
  // instruments.
  InstrumentSearchResult lastSearch_;
  bool searchEveryRate_ = true;
  int shownPage_ = 0;
  bool placed_ = false;  // set when the first show has sized the window and put it on its screen
};

}  // namespace zorkan
