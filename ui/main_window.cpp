#include "ui/main_window.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <utility>

#include "ini/ini_file.h"
#include "live/measurement_log.h"
#include "operator/link_messages.h"
#include "operator/operator_text.h"
#include "operator/result_messages.h"
#include "profiles/instrument_keys.h"
#include "profiles/profile.h"
#include "ui/about_box.h"
#include "ui/event_loop_pacing.h"
#include "ui/fitted_window.h"
#include "ui/help_window.h"
#include "ui/instrument_dialogs.h"
#include "ui/journal_window.h"
#include "ui/line_dialogs.h"
#include "ui/link_settings_dialog.h"
#include "ui/regulator_tuning_dialog.h"
#include "ui/stopped_timer.h"
#include "ui/tab_pages.h"
#include "ui_main_window.h"
#include "workflows/instrument_adoption.h"
#include "workflows/line_transfer.h"
#include "workflows/link_settings_change.h"
#include "workflows/whole_instrument.h"

namespace zorkan {

namespace {

constexpr const char* kVersionText = "1.0.21.2 ";
constexpr int kClientWidth = 712;
constexpr int kClientHeight = 542;
constexpr int kReloadDelayMs = 200;
constexpr int kFirstLiveTickMs = 1000;
constexpr int kLiveTickMs = 500;
constexpr std::size_t kDescriptionLines = 4;
constexpr std::size_t kMissingKeysNamed = 5;

// A folder that cannot be written refuses every file in it: the operator hears of it once.
class FirstBoxOnly final : public OperatorDialogs {
 public:
  explicit FirstBoxOnly(OperatorDialogs& dialogs) : dialogs_(dialogs) {}
  DialogAnswer ask(const DialogMessage& message) override {
    if (std::exchange(shown_, true)) return DialogAnswer::Ok;
    return dialogs_.ask(message);
  }
  void bringMainWindowForward() override { dialogs_.bringMainWindowForward(); }

 private:
  OperatorDialogs& dialogs_;
  bool shown_ = false;
};

// A menu item's text as the operator reads it, without the mark of its Alt letter.
QString ShownText(const QAction& item) {
  return QString(item.text()).remove('&');
}

std::filesystem::path AskProfilePath(QWidget* parent, QFileDialog::AcceptMode mode,
                                     const QString& caption, const std::filesystem::path& folder) {
  QFileDialog dialog(parent, caption, QString::fromStdString(folder.string()));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(mode);
  // A typed name is taken as it is: no extension is added, and a missing profile is created.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(
      {QCoreApplication::translate("zorkan::TForm1", "Данные настройки прибора (*.prf)"),
       QCoreApplication::translate("zorkan::TForm1", "Все файлы (*)")});
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toStdString();
}

QString FileName(const std::filesystem::path& path) {
  return QString::fromStdString(path.filename().string());
}

std::string MissingKeysText(const std::vector<profile::KeyPlace>& missing) {
  std::string names;
  for (std::size_t i = 0; i < missing.size() && i < kMissingKeysNamed; ++i) {
    if (i > 0) names += ", ";
    names += KeyPlaceName(missing[i]);
  }
  if (missing.size() > kMissingKeysNamed) names += ", …";
  return FillText(OPERATOR_TEXT("В профиле нет настроек, которые записываются в прибор: %1 (%2). "
                                "Они получили значения по умолчанию."),
                  missing.size(), names);
}

}  // namespace

TForm1::TForm1(SerialPort& port, const Clock& clock, WindowLanguage& language)
    : ui_(std::make_unique<Ui::TForm1>()),
      language_(language),
      workDir_(std::filesystem::current_path()),
      clock_(clock),
      link_(port, clock, workDir_),
      journal_(JournalFolder(workDir_), clock) {
  ui_->setupUi(this);
  // The boxes and dialogs of the window speak in its font too.
  setAttribute(Qt::WA_WindowPropagation);
  statusLine_ = new StatusLine(link_, linkSettings_, settings_, clock_, workDir_, this);
  setStatusBar(statusLine_);
  ScrollPagesInWindow(*this, *ui_->ClientArea, QSize(kClientWidth, kClientHeight));
  progressPanel_ = std::make_unique<QtProgressPanel>(
      *ui_->Panel76,
      std::array<QLabel*, 6>{ui_->Label108, ui_->Label109, ui_->Label110, ui_->Label111,
                             ui_->Label112, ui_->Label113},
      *this);
  progress_ = std::make_unique<Progress>(*progressPanel_, latch_);
  pages_ = std::make_unique<SettingsPages>(*ui_, settings_, linkSettings_, dialogs_, latch_);
  // The two exchange buttons with the hidden group controls that go with them, and the controls
  // that start an exchange of their own.
  controls_ = std::make_unique<QtExchangeControls>(
      QList<QWidget*>{ui_->Button1, ui_->Button3, ui_->Button2, ui_->Button4, ui_->CheckBox1,
                      ui_->CheckBox2, ui_->CheckBox3, ui_->CheckBox10},
      QList<QWidget*>{ui_->MainMenu1, ui_->ComboBox17, ui_->Button42, ui_->Button12, ui_->Button13,
                      ui_->Button14, ui_->Button15, ui_->RadioGroup1});
  exchange_ = std::make_unique<ExchangeContext>(
      ExchangeContext{link_, *progress_, latch_, dialogs_, *controls_, &journal_});
  livePage_ = std::make_unique<LivePage>(*ui_, *this, settings_, clock_);
  directControlPage_ = std::make_unique<DirectControlPage>(*ui_, link_, dialogs_, latch_);
  recentProfiles_ = std::make_unique<RecentProfiles>(
      *ui_->RecentProfiles, workDir_,
      [this](const std::filesystem::path& path) { openRecentProfile(path); });
  Timer2 = new QTimer(this);
  Timer2->setObjectName("Timer2");
  Timer3 = new QTimer(this);
  Timer3->setObjectName("Timer3");
  QCoreApplication::instance()->installEventFilter(&escapeFilter_);
  connectHandlers();
  FormCreate();
  statusLine_->refresh();
}

TForm1::~TForm1() {
  QCoreApplication::instance()->removeEventFilter(&escapeFilter_);
}

void TForm1::connectHandlers() {
  connect(ui_->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(ui_->Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  connect(ui_->N2, &QAction::triggered, this, &TForm1::N2Click);
  connect(ui_->N3, &QAction::triggered, this, &TForm1::N3Click);
  connect(ui_->N4, &QAction::triggered, this, &TForm1::N4Click);
  connect(ui_->N5, &QAction::triggered, this, &TForm1::N5Click);
  connect(ui_->N6, &QAction::triggered, this, &TForm1::N6Click);
  connect(ui_->RegulatorTuning, &QAction::triggered, this, &TForm1::RegulatorTuningClick);
  connect(ui_->ConfigurationJournal, &QAction::triggered, this, &TForm1::ConfigurationJournalClick);
  connect(ui_->ChangeLinkSettings, &QAction::triggered, this, &TForm1::ChangeLinkSettingsClick);
  connect(ui_->RestoreBeforeWrite, &QAction::triggered, this, &TForm1::RestoreBeforeWriteClick);
  connect(ui_->MeasurementHistory, &QAction::triggered, this, &TForm1::MeasurementHistoryClick);
  connect(ui_->Exit, &QAction::triggered, this, &QWidget::close);
  connect(ui_->HelpContents, &QAction::triggered, this, [this] { ShowHelp(this); });
  connect(ui_->About, &QAction::triggered, this, [this] { ShowAboutBox(this, workDir_); });
  auto* languages = new QActionGroup(this);
  for (const auto& [item, language] : {std::pair{ui_->RussianLanguage, Language::Russian},
                                       std::pair{ui_->EnglishLanguage, Language::English}}) {
    languages->addAction(item);
    item->setChecked(language == language_.language());
    connect(item, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
  }
  // Only the operator's choice counts: showing the model selects items too.
  connect(ui_->ComboBox17, &QComboBox::activated, this, &TForm1::ComboBox17Change);
  connect(ui_->ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
  connect(ui_->ComboBox18, &QComboBox::activated, this, &TForm1::ComboBox18Change);
  connect(ui_->TabbedNotebook1, &QTabWidget::currentChanged, this, &TForm1::TabbedNotebook1Change);
  connect(ui_->StringGrid3, &QTableWidget::cellClicked, this,
          [this](int row, int column) { pages_->StringGrid3Click(row, column); });
  connect(ui_->Button42, &QPushButton::clicked, this, &TForm1::Button42Click);
  DirectControlPage& direct = *directControlPage_;
  connect(ui_->Button12, &QPushButton::clicked, this, [&direct] { direct.Button12Click(); });
  connect(ui_->Button13, &QPushButton::clicked, this, [&direct] { direct.Button13Click(); });
  connect(ui_->Button14, &QPushButton::clicked, this, [&direct] { direct.Button14Click(); });
  connect(ui_->Button15, &QPushButton::clicked, this, [&direct] { direct.Button15Click(); });
  connect(ui_->RadioButton1, &QRadioButton::clicked, this,
          [&direct] { direct.RadioButton1Click(); });
  connect(ui_->RadioButton2, &QRadioButton::clicked, this,
          [&direct] { direct.RadioButton2Click(); });
  connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
  connect(Timer3, &QTimer::timeout, this, &TForm1::PollLiveValues);
}

void TForm1::FormCreate() {
  ui_->Panel76->hide();
  for (QLabel* line :
       {ui_->Label108, ui_->Label109, ui_->Label110, ui_->Label111, ui_->Label112, ui_->Label113}) {
    line->clear();
  }
  ReportLinkSettingsFindings(LoadLinkSettings(linkSettings_, workDir_), dialogs_);
  livePolling_ = std::make_unique<LivePolling>(link_, liveValues_, settings_, *livePage_,
                                               MeasurementLogPath(linkSettings_, workDir_));
  csvLog_.switchOn(toolSettings_.csvMeasurementLog());
  livePolling_->alsoLogTo(csvLog_);
  pages_->FillLists();
  loadProfile(RecentProfilePath(workDir_));
  if (!WriteBuiltinProfile(workDir_)) reportUnwritable(BuiltinProfilePath(workDir_));
  pages_->ShowSettings();
  // The open-file dialog holds no path yet.
  showTitle();
  ReportPortOpening(link_.OpenPort(linkSettings_), dialogs_);
  ui_->TabbedNotebook1->setCurrentIndex(kChannelsPage);
  link_.setParameters(TransactionParameters(linkSettings_, workDir_));
  ui_->Label2->setText("COM " + QString::number(linkSettings_.portNumber));
  const LocalTime today = clock_.localTime();
  settings_.general.manufactureDay = today.day;
  settings_.general.manufactureMonth = today.month;
  settings_.general.manufactureYear = today.year;
  pages_->ShowSettings();
  repaint();
  Timer2->setSingleShot(true);
  Timer2->start(kReloadDelayMs);
  Timer3->start(kFirstLiveTickMs);
  directControlPage_->setInitialState();
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Only once it is shown do the menu and the status line have the heights they keep, and the
  // pages fit between them; the window is not yet on the screen.
  if (event->spontaneous() || placed_) return;
  placed_ = true;
  if (const QScreen* screen = this->screen()) {
    setGeometry(OpeningGeometry(sizeHint(), screen->availableGeometry()));
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  // A sequence lets events through between its steps; closing then would save half a read and
  // pull the port from under the rest of it.
  if (controls_->exchangeRunning()) {
    latch_.press();
    event->ignore();
    return;
  }
  if (!offerToSaveChanges()) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

void TForm1::FormClose() {
  FirstBoxOnly closing(dialogs_);
  if (!SavePortNumber(linkSettings_, workDir_)) ReportLinkSettingsUnwritable(workDir_, closing);
  link_.ClosePort();
  pages_->CollectSettings();
  takeDescription();
  const std::filesystem::path recent = RecentProfilePath(workDir_);
  if (!SaveProfile(recent, settings_)) {
    ShowMessage(closing, OPERATOR_TEXT("Ошибка"), UnableToWriteText(recent), DialogIcon::Error);
  }
}

void TForm1::PollLiveValues() {
  Timer3->start(kLiveTickMs);
  livePolling_->PollLiveValues();
  statusLine_->refresh();
}

void TForm1::Timer2Timer() {
  Timer2->stop();
  loadProfile(RecentProfilePath(workDir_));
  pages_->ShowSettings();
  pages_->MarkSelectedGroups();
  repaint();
}

bool TForm1::offerToSaveChanges() {
  if (!unsaved_.holdsMenuProfile()) return true;
  pages_->CollectSettings();
  takeDescription();
  return unsaved_.settleBeforeClose(settings_);
}

void TForm1::Button1Click() {
  const bool read = ReadWholeInstrument(*exchange_, settings_, *pages_) == kOk;
  if (read) unsaved_.settled(settings_);
  statusLine_->showOutcome(read, ReadConfirmation(settings_));
}

void TForm1::Button3Click() {
  const bool written = WriteWholeInstrument(*exchange_, settings_, *pages_) == kOk;
  if (written) unsaved_.settled(settings_);
  statusLine_->showOutcome(written, WriteConfirmation(settings_));
}

void TForm1::N2Click() {
  const std::filesystem::path path =
      AskProfilePath(this, QFileDialog::AcceptOpen, ShownText(*ui_->N2), workDir_);
  if (!path.empty()) loadProfileFromMenu(path);
}

void TForm1::loadProfileFromMenu(const std::filesystem::path& path) {
  pages_->CollectSettings();
  const bool loaded = loadProfile(path, true);
  statusLine_->showOutcome(loaded,
                           [name = FileName(path)] { return tr("Загружен профиль %1").arg(name); });
  if (!loaded) return;
  titlePath_ = path;
  showTitle();
  pages_->ShowSettings();
  recentProfiles_->add(path);
  unsaved_.profileLoaded(path, settings_);
}

void TForm1::openRecentProfile(const std::filesystem::path& path) {
  // A load creates a missing profile with the defaults: a profile gone since is no default one.
  if (!std::filesystem::is_regular_file(path)) {
    ShowMessage(dialogs_, OPERATOR_TEXT("Недавние профили"),
                FillText(OPERATOR_TEXT("Профиль не найден: %1"), path.string()),
                DialogIcon::Warning);
    recentProfiles_->forget(path);
    return;
  }
  loadProfileFromMenu(path);
}

void TForm1::N3Click() {
  const std::filesystem::path path =
      AskProfilePath(this, QFileDialog::AcceptSave, ShownText(*ui_->N3), workDir_);
  if (path.empty()) return;
  pages_->CollectSettings();
  takeDescription();
  const bool saved = SaveProfile(path, settings_);
  statusLine_->showOutcome(
      saved, [name = FileName(path)] { return tr("Сохранено в профиль %1").arg(name); });
  if (!saved) {
    reportUnwritable(path);
    return;
  }
  recentProfiles_->add(path);
  unsaved_.settled(settings_);
}

void TForm1::N4Click() {
  const std::optional<InstrumentSearch> search =
      ChooseSearch(this, linkSettings_.baudRate, searchEveryRate_);
  if (!search) return;
  // A live tick between two probes would wait out its whole reply time at a probed baud rate.
  Timer3->stop();
  lastSearch_ = FindInstruments(*exchange_, *search);
  Timer3->start(kLiveTickMs);
  ui_->N6->setEnabled(!lastSearch_.found.empty());
  // Addresses that seem to hold two instruments are said in the table's dialog.
  const bool nothingHeard = lastSearch_.found.empty() && lastSearch_.probableDuplicates.empty();
  if (lastSearch_.result == kCancelledByOperator) {
    ReportResult(lastSearch_.result, dialogs_, latch_);
  } else if (nothingHeard) {
    // Where it asked, since the link itself is back at dev.dat's single place.
    ReportResult(
        lastSearch_.result, dialogs_, latch_,
        FillText(OPERATOR_TEXT("%1, %2: никто не ответил."),
                 PortText(link_, linkSettings_.portNumber, workDir_), SearchedText(*search)));
  }
  if (nothingHeard) return;
  const std::optional<FoundInstrument> chosen = ChooseInstrument(this, lastSearch_);
  if (!chosen) return;
  AdoptFoundInstrument(*chosen, linkSettings_, workDir_, link_, dialogs_);
  statusLine_->showOutcome(true, AdoptionConfirmation(*chosen));
}

void TForm1::N5Click() {
  // The pages as a write would take them.
  pages_->CollectSettings();
  const InstrumentComparison comparison = CompareInstrumentWith(*exchange_, settings_);
  if (comparison.result == kOk) ShowDifferences(this, comparison.differences);
}

void TForm1::N6Click() {
  const std::vector<LinePlace> chosen = ChooseInstrumentsToWrite(this, lastSearch_);
  if (chosen.empty()) return;
  // As for the search: a live tick would reach whichever instrument the line is at.
  Timer3->stop();
  const LineTransfer line = WriteLineOfInstruments(*exchange_, chosen, settings_, *pages_);
  Timer3->start(kLiveTickMs);
  if (line.result == kOk) unsaved_.settled(settings_);
  // A refused check stopped the write before any instrument, as it stops a single write.
  if (line.result == kStoppedToClarify || line.result == kStoppedToCorrect) {
    ReportResult(line.result, dialogs_, latch_);
    return;
  }
  statusLine_->showOutcome(line.result == kOk, [count = line.instruments.size()] {
    return tr("Записано в приборы линии: %1").arg(count);
  });
  ShowLineResults(this, line);
}

void TForm1::RegulatorTuningClick() {
  pages_->CollectSettings();
  // Its samples are the dialog's; a tick between two of them would only delay the next.
  const StoppedTimer liveStopped(*Timer3, kLiveTickMs);
  EventLoopPacing pacing(clock_);
  RegulatorTuningDialog dialog(*exchange_, settings_, *pages_, pacing, this);
  dialog.exec();
}

void TForm1::ConfigurationJournalClick() {
  pages_->CollectSettings();
  takeDescription();
  JournalWindow window(journal_, settings_, dialogs_, this);
  window.exec();
  if (window.entryToLoad()) loadJournalEntry(*window.entryToLoad());
}

void TForm1::RestoreBeforeWriteClick() {
  pages_->CollectSettings();
  if (const auto read = FindReadBeforeWrite(journal_, settings_, dialogs_)) loadJournalEntry(*read);
}

void TForm1::ChangeLinkSettingsClick() {
  const std::optional<LinkSettings> chosen = AskLinkSettings(this, linkSettings_, workDir_);
  if (!chosen) return;
  const LinkSettingsChange change =
      ChangeLinkSettings(*chosen, linkSettings_, workDir_, link_, dialogs_);
  if (change.portReopened) forgetLastSearch();
  pages_->ShowSettings();
  statusLine_->showOutcome(change.saved, [] { return tr("Параметры связи записаны в dev.dat"); });
}

void TForm1::MeasurementHistoryClick() {
  // A log without setpoints and units is shown with the pages' own.
  pages_->CollectSettings();
  if (!historyWindow_) {
    historyWindow_ = std::make_unique<HistoryWindow>(
        HistorySources{workDir_, workDir_ / linkSettings_.measurementLogFileName}, settings_,
        toolSettings_, csvLog_, this);
    historyWindow_->openNewest();
  }
  historyWindow_->show();
  historyWindow_->raise();
  historyWindow_->activateWindow();
}

void TForm1::forgetLastSearch() {
  lastSearch_ = {};
  ui_->N6->setEnabled(false);
}

void TForm1::ComboBox17Change(int index) {
  // The instruments found are on the port left.
  forgetLastSearch();
  linkSettings_.portNumber = index + 1;
  ReportPortOpening(link_.ReopenPort(linkSettings_), dialogs_);
  pages_->ShowSettings();
  statusLine_->refresh();
}

void TForm1::TabbedNotebook1Change(int page) {
  const int left = std::exchange(shownPage_, page);
  // Taken back in the middle of a read, the pages would put their old values over what was just
  // read.
  if (controls_->exchangeRunning()) return;
  if (left < kDirectControlPage) {
    pages_->CollectSettings();
    pages_->ShowSettings();
  }
}

void TForm1::ComboBox1Change() {
  if (controls_->exchangeRunning()) return;
  pages_->CollectSettings();
  pages_->ShowSettings();
}

void TForm1::ComboBox18Change() {
  if (controls_->exchangeRunning()) return;
  pages_->CollectSettings();
}

void TForm1::Button42Click() {
  if (ReadForReport(*exchange_, settings_, *pages_) != kOk || reportPage_ == nullptr) return;
  reportPage_->BuildConfigurationReport(settings_, clock_.localTime());
}

void TForm1::showDescription() {
  QStringList lines;
  for (const std::string& line : settings_.description) lines << QString::fromStdString(line);
  ui_->RichEdit1->setPlainText(lines.join('\n'));
}

void TForm1::takeDescription() {
  const QStringList lines = ui_->RichEdit1->toPlainText().split('\n');
  for (std::size_t i = 0; i < kDescriptionLines; ++i) {
    const auto at = static_cast<qsizetype>(i);
    settings_.description[i] = at < lines.size() ? lines[at].toStdString() : std::string();
  }
}

bool TForm1::loadProfile(const std::filesystem::path& path, bool tellMissingKeys) {
  DeviceSettings loaded = settings_;
  std::vector<profile::KeyPlace> missing;
  if (!LoadProfile(path, loaded, missing)) {
    // A profile that is there could not be read; one that is not could not be created.
    if (IniFile(path).exists()) {
      ReportResult(kFileNotOpened, dialogs_, latch_);
    } else {
      reportUnwritable(path);
    }
    return false;
  }
  settings_ = loaded;
  showDescription();
  if (tellMissingKeys && !missing.empty()) {
    ShowMessage(dialogs_, OPERATOR_TEXT("Внимание"), MissingKeysText(missing), DialogIcon::Warning);
  }
  return true;
}

void TForm1::loadJournalEntry(const JournalEntry& entry) {
  if (!journal_.loadProfile(entry, settings_)) {
    ReportResult(kFileNotOpened, dialogs_, latch_);
    return;
  }
  showDescription();
  titlePath_ = journal_.pathOf(entry);
  showTitle();
  pages_->ShowSettings();
  unsaved_.forget();
}

void TForm1::reportUnwritable(const std::filesystem::path& path) {
  ShowMessage(dialogs_, OPERATOR_TEXT("Ошибка"), UnableToWriteText(path), DialogIcon::Error);
}

void TForm1::showTitle() {
  if (!titlePath_) {
    setWindowTitle(tr("Настройка ЗОРКАН 740 НР ПИД пользовательская версия ") + kVersionText);
    return;
  }
  setWindowTitle(tr("Настройка ЗОРКАН 740 НР ПИД ") + kVersionText +
                 QString::fromStdString(titlePath_->string()));
}

void TForm1::chooseLanguage(Language language) {
  language_.install(language);
  if (!toolSettings_.setLanguage(language)) {
    ShowMessage(dialogs_, OPERATOR_TEXT("Ошибка"),
                FillText(OPERATOR_TEXT("%1. Выбор действует до закрытия программы."),
                         UnableToWriteText(toolSettings_.path())),
                DialogIcon::Error);
  }
}

void TForm1::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  ui_->retranslateUi(this);
  showTitle();
  pages_->retranslate();
  livePage_->retranslate();
  progressPanel_->retranslate();
  directControlPage_->retranslate();
}

}  // namespace zorkan
