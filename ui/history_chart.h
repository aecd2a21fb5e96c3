#pragma once
// The measurement history on a Qt chart: both channels' values against the time axis in their
// sensors' units, the regulated value and the alarm setpoint as lines, the relays as bands along
// the bottom, status changes as markers along the top. Whatever the view's span, each quantity
// is drawn from a few points a pixel column (history/decimation.h).

#include <QCoreApplication>
#include <QRectF>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "history/decimation.h"
#include "history/measurement_history.h"

class QAreaSeries;
class QChart;
class QCategoryAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace zorkan {

struct ValueRange {
  double lowest = 0;
  double highest = 1;
  bool operator==(const ValueRange&) const = default;
};

// The levels drawn where the log holds none (IZM.txt): the pages'.
struct SetpointLevels {
  float setpoint;
  float alarmSetpoint;
};

// What the chart shows: the span of time, and the range of each value axis (the right one only
// while the channels' units differ).
struct ChartView {
  TimeSpan span;
  std::array<ValueRange, 2> values;
  bool operator==(const ChartView&) const = default;
};

class HistoryChart {
  Q_DECLARE_TR_FUNCTIONS(zorkan::HistoryChart)

 public:
  HistoryChart();
  ~HistoryChart();

  // Handed over to the chart view, which owns it from then on.
  QChart* chart() const { return chart_; }

  // The history drawn from now on, which must outlive its drawing; `pageLevels` where it holds
  // no setpoints. The view then shows everything.
  void setHistory(const MeasurementHistory& history, std::optional<SetpointLevels> pageLevels);
  bool empty() const;

  // The whole history with a margin around its values.
  const ChartView& everything() const { return everything_; }
  const ChartView& view() const { return view_; }
  // Kept within sensible limits: no shorter than a second, no wider than the history allows.
  void show(ChartView view);
  // Draws the view again for the plot's current width.
  void redraw();
  // Where the log is silent longer than this, the lines part.
  double gapMs() const { return gapMs_; }
  QRectF plotArea() const;
  // The moment at a horizontal position of the chart.
  double momentAt(double x) const;
  // The legend and the axes' titles in the language just chosen.
  void retranslate();

 private:
  class LinePool;

  void nameSeries();
  ChartView wholeHistory() const;
  std::optional<ValueRange> valueBounds(int axis) const;
  // The channels whose values go on a value axis.
  std::vector<std::size_t> channelsOn(int axis) const;
  void drawLevels(std::size_t level, TimeSpan span, int columns);
  void drawRelayBands(TimeSpan span, int columns);
  void drawStatusMarkers(TimeSpan span, int columns);
  void labelTimeAxis();
  void labelValueAxes();

  QChart* chart_;
  QCategoryAxis* timeAxis_;  // labelled at round moments of the local clock
  std::array<QValueAxis*, 2> valueAxes_;
  QValueAxis* laneAxis_;  // 0..1, never zoomed: where bands and markers go
  std::array<std::unique_ptr<LinePool>, 2> channelLines_;
  std::array<std::unique_ptr<LinePool>, 2> levelLines_;
  std::array<QAreaSeries*, 2> relayBands_;
  std::array<QScatterSeries*, 2> statusMarkers_;
  const MeasurementHistory* history_ = nullptr;
  std::optional<SetpointLevels> pageLevels_;
  std::array<bool, 2> channelShown_{};  // a channel the log never holds switched on is hidden
  bool twoValueAxes_ = false;
  double gapMs_ = 0;
  ChartView everything_;
  ChartView view_;
};

}  // namespace zorkan
