// "История измерений…" on an hour of CSV log at two lines a second: opened offscreen, zoomed by
// the wheel and a rubber band, panned by a drag, back to everything with Home, read out under the
// cursor; the shown stretch exported as CSV, PNG and PDF files that load back; and the switch of
// the CSV log, off at first, remembered in the tool's own file and never in dev.dat.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QValueAxis>
#include <QWheelEvent>
#include <cstdlib>
#include <regex>

#include "history/log_reading.h"
#include "history/moments.h"
#include "ini/cp1251.h"
#include "ini/ini_file.h"
#include "tests/ui/window_rig.h"
#include "ui/history_chart_view.h"
#include "ui/history_window.h"
#include "ui/tab_pages.h"

namespace zorkan {
namespace {

using testing::ReadBytes;

constexpr int kHourOfTicks = 7200;

// An hour of the heated object at 150 °C with a PWM on relay 1, written as the CSV log writes it.
std::filesystem::path WriteHourOfCsvLog(const std::filesystem::path& folder) {
  std::string text = CsvLogHeader({"°C", "°C"});
  for (int tick = 0; tick < kHourOfTicks; ++tick) {
    const int ms = tick * 500;
    LoggedTick line{{2026, 12, 8, 10, ms / 60'000, ms / 1000 % 60, ms % 1000, 180},
                    {static_cast<std::uint8_t>(tick % 8 < 3 ? kRelay1On : 0),
                     {150.0f + static_cast<float>(tick % 7) * 0.1f, 151.0f},
                     {static_cast<std::uint8_t>(tick / 2000 == 1 ? 9 : 0), 0}},
                    150.0f,
                    200.0f};
    text += CsvLogLine(line);
  }
  const std::filesystem::path path = folder / "IZM-20261208.csv";
  testing::WriteBytes(path, Utf8ToCp1251(text));
  return path;
}

struct HistoryRig {
  HistoryRig() {
    window.resize(1000, 600);
    window.show();
    window.open({WriteHourOfCsvLog(folder.path())});
    QCoreApplication::processEvents();
  }

  HistoryChartView& chart() { return window.chart(); }
  QWidget* plot() { return chart().viewport(); }
  // The time axis and the left value axis as the chart shows them.
  TimeSpan timeAxis() {
    const auto* axis = qobject_cast<QValueAxis*>(chart().chart()->axes(Qt::Horizontal).front());
    return {axis->min(), axis->max()};
  }
  ValueRange valueAxis() {
    const auto* axis = qobject_cast<QValueAxis*>(chart().chart()->axes(Qt::Vertical).front());
    return {axis->min(), axis->max()};
  }
  QPoint plotPoint(double shareX, double shareY) {
    const QRectF plot = chart().content().plotArea();
    return chart().mapFromScene(chart().chart()->mapToScene(
        QPointF(plot.left() + shareX * plot.width(), plot.top() + shareY * plot.height())));
  }

  testing::ScratchFolder folder;
  testing::ModalAnswerer answerer;
  DeviceSettings pages;
  ToolSettings toolSettings{folder.path()};
  CsvMeasurementLog csvLog{folder.path()};
  HistoryWindow window{{folder.path(), folder / "IZM.txt"}, pages, toolSettings, csvLog, nullptr};
};

double Width(TimeSpan span) {
  return span.end - span.begin;
}

TEST(HistoryWindow, OpensALogAndTheWheelBandDragAndHomeMoveTheAxes) {
  HistoryRig rig;
  const auto& samples = rig.window.history().samples;
  ASSERT_EQ(samples.size(), static_cast<std::size_t>(kHourOfTicks));
  const TimeSpan whole{static_cast<double>(samples.front().moment),
                       static_cast<double>(samples.back().moment)};
  EXPECT_NEAR(rig.timeAxis().begin, whole.begin, 1);
  EXPECT_NEAR(rig.timeAxis().end, whole.end, 1);
  const ValueRange values = rig.valueAxis();
  EXPECT_LT(values.lowest, 150.0);
  EXPECT_GT(values.highest, 200.0) << "the alarm setpoint is in view";

  const QPoint middle = rig.plotPoint(0.5, 0.5);
  QWheelEvent notch(middle, rig.chart().mapToGlobal(middle), {}, {0, 120}, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(rig.chart().viewport(), &notch);
  const TimeSpan zoomed = rig.timeAxis();
  EXPECT_NEAR(Width(zoomed), Width(whole) * 0.8, 1000);
  EXPECT_GT(zoomed.begin, whole.begin);
  EXPECT_EQ(rig.valueAxis(), values) << "the wheel alone leaves the values";

  QTest::mousePress(rig.plot(), Qt::LeftButton, {}, middle);
  QTest::mouseMove(rig.plot(), middle + QPoint(100, 0));
  QTest::mouseRelease(rig.plot(), Qt::LeftButton, {}, middle + QPoint(100, 0));
  const TimeSpan panned = rig.timeAxis();
  EXPECT_NEAR(Width(panned), Width(zoomed), 1);
  EXPECT_LT(panned.begin, zoomed.begin) << "dragged right, earlier comes into view";

  QTest::mousePress(rig.plot(), Qt::RightButton, {}, rig.plotPoint(0.25, 0.25));
  QTest::mouseMove(rig.plot(), rig.plotPoint(0.5, 0.75));
  QTest::mouseRelease(rig.plot(), Qt::RightButton, {}, rig.plotPoint(0.5, 0.75));
  EXPECT_NEAR(Width(rig.timeAxis()), Width(panned) / 4, Width(panned) / 100);
  EXPECT_NEAR(rig.valueAxis().highest - rig.valueAxis().lowest,
              (values.highest - values.lowest) / 2, 0.5);

  // The cursor reads out the sample under it.
  QTest::mouseMove(rig.plot(), rig.plotPoint(0.5, 0.5));
  const QString readout = rig.window.findChild<QLabel*>("CursorReadout")->text();
  EXPECT_TRUE(readout.startsWith("08.12.2026 ")) << readout.toStdString();
  EXPECT_TRUE(readout.contains("Канал 1: 15")) << readout.toStdString();
  EXPECT_TRUE(readout.contains("Уставка: 200.00")) << readout.toStdString();

  rig.chart().setFocus();
  QTest::keyClick(&rig.chart(), Qt::Key_Home);
  EXPECT_NEAR(rig.timeAxis().begin, whole.begin, 1);
  EXPECT_NEAR(rig.timeAxis().end, whole.end, 1);
  EXPECT_EQ(rig.valueAxis(), values);
}

TEST(HistoryWindow, ExportsOfTheShownStretchLoadBack) {
  HistoryRig rig;
  rig.chart().zoomTime(0.5, rig.plotPoint(0.5, 0.5));
  const TimeSpan shown = rig.timeAxis();
  const auto csv = rig.folder / "shown.csv";
  const auto png = rig.folder / "chart.png";
  const auto pdf = rig.folder / "chart.pdf";
  rig.answerer.files = {csv.string(), png.string(), pdf.string()};
  for (const char* button : {"ExportCsv", "ExportPng", "ExportPdf"}) {
    rig.window.findChild<QPushButton*>(button)->click();
  }
  EXPECT_TRUE(rig.answerer.boxes.empty());

  const LogReading exported = ReadMeasurementLog(csv);
  ASSERT_EQ(exported.problem, LogProblem::None);
  EXPECT_EQ(exported.format, LogFormat::CsvLog);
  EXPECT_EQ(exported.skippedLines, 0u);
  const auto& all = rig.window.history().samples;
  const auto inView = std::count_if(all.begin(), all.end(), [&](const HistorySample& s) {
    return s.moment >= shown.begin && s.moment <= shown.end;
  });
  EXPECT_NEAR(static_cast<double>(exported.history.samples.size()), static_cast<double>(inView), 2);
  EXPECT_GE(exported.history.samples.front().moment, shown.begin - 1);
  EXPECT_LE(exported.history.samples.back().moment, shown.end + 1);
  EXPECT_EQ(exported.history.units, (ChannelUnits{"°C", "°C"}));

  const QImage picture(QString::fromStdString(png.string()));
  EXPECT_EQ(picture.size(), rig.chart().size());

  const std::string text = (rig.folder / "chart.txt").string();
  ASSERT_EQ(std::system(("pdftotext '" + pdf.string() + "' '" + text + "'").c_str()), 0);
  const std::string words = std::regex_replace(ReadBytes(text), std::regex("\\s+"), " ");
  EXPECT_NE(words.find("Каналы 1 и 2, °C"), std::string::npos) << words;
  EXPECT_NE(words.find("08.12.2026"), std::string::npos) << words;
}

// "Файл" → "История измерений…".
HistoryWindow* OpenedHistory(testing::WindowRig& rig) {
  rig.window->findChild<QAction*>("MeasurementHistory")->trigger();
  return dynamic_cast<HistoryWindow*>(rig.window->findChild<QWidget*>("HistoryWindow"));
}

TEST(HistoryWindow, CsvLogSwitchIsRememberedInTheToolsOwnFileNeverInDevDat) {
  testing::WindowRig rig;
  const std::string devDat = ReadBytes(rig.folder / "dev.dat");
  auto* history = OpenedHistory(rig);
  ASSERT_NE(history, nullptr);
  EXPECT_TRUE(history->isVisible());
  auto* csvSwitch = history->findChild<QCheckBox*>("CsvLog");
  EXPECT_FALSE(csvSwitch->isChecked()) << "off at first";
  rig.showPage(kCurrentValuesPage);
  rig.window->PollLiveValues();
  rig.window->PollLiveValues();
  const std::vector<std::string> files = rig.folder.entries();
  EXPECT_TRUE(std::none_of(files.begin(), files.end(),
                           [](const std::string& name) { return name.ends_with(".csv"); }));

  csvSwitch->click();
  EXPECT_EQ(IniFile(rig.folder / ToolSettings::kFileName).readInteger("HISTORY", "CsvLog", 0), 1);
  rig.window->PollLiveValues();
  rig.window->PollLiveValues();
  const std::string log = Cp1251ToUtf8(ReadBytes(rig.folder / "IZM-20261207.csv"));
  EXPECT_TRUE(log.starts_with("time (ISO 8601),relay1 (0/1),")) << log;
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2) << log;
  EXPECT_EQ(ReadBytes(rig.folder / "dev.dat"), devDat);
  EXPECT_TRUE(rig.answerer.boxes.empty());

  rig.close();
  rig.start();
  EXPECT_TRUE(OpenedHistory(rig)->findChild<QCheckBox*>("CsvLog")->isChecked());
  EXPECT_EQ(ReadBytes(rig.folder / "dev.dat"), devDat);
}

}  // namespace
}  // namespace zorkan
