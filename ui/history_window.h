#pragma once
// "История измерений…": the measurement logs on a chart with a time axis, zoom, pan and a cursor
// that reads out the values; the zoomed stretch exported as CSV, the chart saved as PNG or PDF;
// and the switch of the CSV log, remembered in the tool's own settings file. A window beside the
// main one: the live pages go on polling (and logging) while it is open.

#include <QCoreApplication>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "history/log_reading.h"
#include "history/measurement_history.h"
#include "live/csv_measurement_log.h"
#include "settings/device_settings.h"
#include "ui/message_boxes.h"
#include "ui/tool_settings.h"

namespace Ui {
class HistoryWindow;
}

namespace zorkan {

class HistoryChartView;

struct HistorySources {
  std::filesystem::path workDir;         // where the CSV logs are
  std::filesystem::path measurementLog;  // IZM.txt as dev.dat names it
};

class HistoryWindow final : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(zorkan::HistoryWindow)

 public:
  // `pages`: the model the pages hold, whose units and setpoints a log without them is shown in.
  HistoryWindow(HistorySources sources, const DeviceSettings& pages, ToolSettings& toolSettings,
                CsvMeasurementLog& csvLog, QWidget* parent);
  ~HistoryWindow() override;

  // The newest logs there are (history/newest_logs.h).
  void openNewest();
  // Reads the logs and shows the whole of what could be read; a log that cannot be shown is
  // named in a box, and with none readable the history shown before stays.
  void open(const std::vector<std::filesystem::path>& logs);

  const MeasurementHistory& history() const { return history_; }
  HistoryChartView& chart();

  // What the export buttons write once a file is chosen; false after a box has said why not.
  bool exportShownCsv(const std::filesystem::path& path);
  bool saveChartPng(const std::filesystem::path& path);
  bool saveChartPdf(const std::filesystem::path& path);

 protected:
  // A language chosen: the form, the note on the logs, the readout and the chart's captions.
  void changeEvent(QEvent* event) override;

 private:
  void connectHandlers();
  void chooseLogs();
  void reload();
  void switchCsvLog(bool on);
  void showReadout(std::optional<double> moment);
  void showDatingNote();
  // A file name for an export, asked in a save dialog; empty when the operator declined.
  std::filesystem::path askExportPath(const QString& caption, const QString& filter,
                                      const QString& suffix);
  bool reportWritten(bool written, const std::filesystem::path& path);

  std::unique_ptr<Ui::HistoryWindow> ui_;
  const HistorySources sources_;
  const DeviceSettings& pages_;
  ToolSettings& toolSettings_;
  CsvMeasurementLog& csvLog_;
  MessageBoxes dialogs_{*this};
  std::vector<std::filesystem::path> shownLogs_;
  // How the logs shown were read (their samples are in history_); none before the first.
  std::vector<LogReading> readings_;
  MeasurementHistory history_;
  std::optional<double> readoutMoment_;
};

}  // namespace zorkan
