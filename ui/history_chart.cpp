#include "ui/history_chart.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QDateTime>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <vector>

#include "history/time_ticks.h"
#include "ui/core_text.h"

namespace zorkan {

namespace {

constexpr double kShortestSpanMs = 1000;
// Zooming out stops where the history has shrunk to a third of the width.
constexpr double kWidestSpanFactor = 3;
constexpr double kLoneSampleSpanMs = 60'000;
constexpr double kValueMargin = 0.05;
// The log is taken to be silent where it has no line for three of its usual intervals.
constexpr double kGapIntervals = 3;
constexpr double kShortestGapMs = 2000;
constexpr int kPreparedSegments = 8;
// Lanes on the hidden 0..1 axis.
constexpr std::array<double, 2> kRelayLaneBottoms{0.0, 0.06};
constexpr double kRelayLaneHeight = 0.05;
constexpr std::array<double, 2> kStatusLanes{0.97, 0.93};
constexpr int kPixelsPerTimeLabel = 90;
constexpr int kPixelsPerValueLabel = 45;

// Channel 2 lets channel 1 show through where they meet.
const std::array<QColor, 2> kChannelColours{QColor(0, 0, 255), QColor(0, 128, 0, 140)};
const std::array<QColor, 2> kLevelColours{QColor(230, 120, 0), QColor(200, 0, 0)};
const std::array<QColor, 2> kRelayColours{QColor(255, 170, 0, 150), QColor(150, 80, 200, 150)};
const std::array<QColor, 2> kMarkerColours{QColor(200, 0, 0), QColor(120, 0, 120)};

float Channel1(const HistorySample& s) {
  return s.measurement.values[0];
}
float Channel2(const HistorySample& s) {
  return s.measurement.values[1];
}
float Setpoint(const HistorySample& s) {
  return s.setpoint;
}
float AlarmSetpoint(const HistorySample& s) {
  return s.alarmSetpoint;
}
constexpr std::array<SampleValue, 2> kChannelValues{Channel1, Channel2};
constexpr std::array<SampleValue, 2> kLevelValues{Setpoint, AlarmSetpoint};

bool AnyNumber(const std::vector<HistorySample>& samples, SampleValue value) {
  return std::any_of(samples.begin(), samples.end(),
                     [value](const HistorySample& s) { return !std::isnan(value(s)); });
}

bool ChannelEverOn(const std::vector<HistorySample>& samples, std::size_t channel) {
  return std::any_of(samples.begin(), samples.end(), [channel](const HistorySample& s) {
    return s.measurement.statuses[channel] != kStatusChannelOff;
  });
}

QList<QPointF> PointsOf(const ChartLine& line) {
  QList<QPointF> points;
  points.reserve(static_cast<qsizetype>(line.size()));
  for (const ChartPoint& point : line) points.append({point.moment, point.value});
  return points;
}

// A label a step of the axis tells apart from its neighbours; a midnight gives the date.
QString TimeLabel(double moment, double stepMs) {
  const QDateTime time = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(moment));
  if (time.time() == QTime(0, 0)) return time.toString("dd.MM");
  if (stepMs < 1000) return time.toString("hh:mm:ss.zzz");
  if (stepMs < 60'000) return time.toString("hh:mm:ss");
  return time.toString("hh:mm");
}

// 1, 2, 2.5 or 5 times a power of ten, about `parts` of the range.
double NiceStep(double range, int parts) {
  const double rough = range / std::max(parts, 1);
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double multiple : {1.0, 2.0, 2.5, 5.0}) {
    if (multiple * power >= rough) return multiple * power;
  }
  return 10 * power;
}

// Enough decimals for every multiple of the step: 0.25 needs two, 2.5 one, 25 none.
int LabelDecimals(double step) {
  const int exponent = static_cast<int>(std::floor(std::log10(step)));
  const bool quarter = std::abs(step / std::pow(10.0, exponent) - 2.5) < 1e-9;
  return std::max(0, -exponent) + (quarter && exponent <= 0 ? 1 : 0);
}

ValueRange WithMargin(ValueBounds bounds) {
  const double margin = bounds.highest > bounds.lowest
                            ? (bounds.highest - bounds.lowest) * kValueMargin
                            : std::max(1.0, std::abs(bounds.highest) * kValueMargin);
  return {bounds.lowest - margin, bounds.highest + margin};
}

ValueRange Valid(ValueRange range) {
  const double least = 1e-6 * std::max(1.0, std::abs(range.highest));
  if (!(range.highest - range.lowest >= least)) range.highest = range.lowest + least;
  return range;
}

}  // namespace

// The segments of one line: Qt draws a series as one polyline, so each stretch between two gaps
// of the log is a series of its own. Only the first shows in the legend.
class HistoryChart::LinePool {
 public:
  // Series drawn later lie on top: made now, the segments of a log with a few gaps keep the
  // levels over the values, and the legend follows the order of the pools.
  LinePool(QChart& chart, QCategoryAxis& timeAxis, QString name, QPen pen)
      : chart_(chart), timeAxis_(timeAxis), name_(std::move(name)), pen_(std::move(pen)) {
    for (int segment = 0; segment < kPreparedSegments; ++segment) add();
  }

  void attachTo(QValueAxis* axis) {
    for (QLineSeries* series : series_) {
      if (valueAxis_ != nullptr) series->detachAxis(valueAxis_);
      series->attachAxis(axis);
    }
    valueAxis_ = axis;
  }

  void draw(const std::vector<ChartLine>& lines, bool visible) {
    while (series_.size() < lines.size()) add();
    for (std::size_t i = 0; i < series_.size(); ++i) {
      series_[i]->replace(i < lines.size() ? PointsOf(lines[i]) : QList<QPointF>());
      series_[i]->setVisible(visible);
    }
    for (QLegendMarker* marker : chart_.legend()->markers(series_.front())) {
      marker->setVisible(visible);
    }
  }

  QLineSeries* first() const { return series_.front(); }
  void rename(const QString& name) {
    name_ = name;
    for (QLineSeries* series : series_) series->setName(name_);
  }

 private:
  void add() {
    auto* series = new QLineSeries;
    series->setName(name_);
    series->setPen(pen_);
    chart_.addSeries(series);
    series->attachAxis(&timeAxis_);
    if (valueAxis_ != nullptr) series->attachAxis(valueAxis_);
    if (!series_.empty()) {
      for (QLegendMarker* marker : chart_.legend()->markers(series)) marker->setVisible(false);
    }
    series_.push_back(series);
  }

  QChart& chart_;
  QCategoryAxis& timeAxis_;
  QString name_;
  QPen pen_;
  QValueAxis* valueAxis_ = nullptr;
  std::vector<QLineSeries*> series_;
};

HistoryChart::HistoryChart()
    : chart_(new QChart),
      timeAxis_(new QCategoryAxis),
      valueAxes_{new QValueAxis, new QValueAxis},
      laneAxis_(new QValueAxis) {
  chart_->setAnimationOptions(QChart::NoAnimation);
  timeAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  for (QValueAxis* axis : valueAxes_) axis->setTickType(QValueAxis::TicksDynamic);
  chart_->legend()->setAlignment(Qt::AlignBottom);
  chart_->addAxis(timeAxis_, Qt::AlignBottom);
  chart_->addAxis(valueAxes_[0], Qt::AlignLeft);
  chart_->addAxis(valueAxes_[1], Qt::AlignRight);
  chart_->addAxis(laneAxis_, Qt::AlignRight);
  laneAxis_->setRange(0, 1);
  laneAxis_->setVisible(false);
  // The levels are drawn over the values.
  for (std::size_t i = 0; i < 2; ++i) {
    channelLines_[i] =
        std::make_unique<LinePool>(*chart_, *timeAxis_, QString(), QPen(kChannelColours[i], 1.5));
    channelLines_[i]->attachTo(valueAxes_[0]);
  }
  for (std::size_t i = 0; i < 2; ++i) {
    levelLines_[i] = std::make_unique<LinePool>(*chart_, *timeAxis_, QString(),
                                                QPen(kLevelColours[i], 1.5, Qt::DashLine));
    levelLines_[i]->attachTo(valueAxes_[0]);
  }
  for (std::size_t i = 0; i < 2; ++i) {
    // An area series leaves its lines to their parent.
    relayBands_[i] = new QAreaSeries;
    relayBands_[i]->setUpperSeries(new QLineSeries(relayBands_[i]));
    relayBands_[i]->setLowerSeries(new QLineSeries(relayBands_[i]));
    relayBands_[i]->setBrush(kRelayColours[i]);
    relayBands_[i]->setPen(Qt::NoPen);
    statusMarkers_[i] = new QScatterSeries;
    statusMarkers_[i]->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    statusMarkers_[i]->setMarkerSize(9);
    statusMarkers_[i]->setColor(kMarkerColours[i]);
    statusMarkers_[i]->setBorderColor(kMarkerColours[i]);
  }
  for (QAbstractSeries* series : std::initializer_list<QAbstractSeries*>{
           relayBands_[0], relayBands_[1], statusMarkers_[0], statusMarkers_[1]}) {
    chart_->addSeries(series);
    series->attachAxis(timeAxis_);
    series->attachAxis(laneAxis_);
  }
  nameSeries();
}

void HistoryChart::nameSeries() {
  const std::array<QString, 2> channelNames{tr("Канал 1"), tr("Канал 2")};
  const std::array<QString, 2> levelNames{tr("Регулируемое значение"), tr("Уставка (авария)")};
  const std::array<QString, 2> relayNames{tr("Реле 1"), tr("Реле 2")};
  const std::array<QString, 2> markerNames{tr("Смена статуса, канал 1"),
                                           tr("Смена статуса, канал 2")};
  for (std::size_t i = 0; i < 2; ++i) {
    channelLines_[i]->rename(channelNames[i]);
    levelLines_[i]->rename(levelNames[i]);
    relayBands_[i]->setName(relayNames[i]);
    statusMarkers_[i]->setName(markerNames[i]);
  }
}

void HistoryChart::retranslate() {
  nameSeries();
  if (history_ != nullptr) labelValueAxes();
}

// The chart view owns the chart, and the chart its series and axes.
HistoryChart::~HistoryChart() = default;

void HistoryChart::setHistory(const MeasurementHistory& history,
                              std::optional<SetpointLevels> pageLevels) {
  history_ = &history;
  pageLevels_ = AnyNumber(history.samples, Setpoint) ? std::nullopt : pageLevels;
  gapMs_ = std::max(kGapIntervals * TypicalIntervalMs(history.samples), kShortestGapMs);
  for (std::size_t channel = 0; channel < 2; ++channel) {
    channelShown_[channel] = ChannelEverOn(history.samples, channel);
  }
  twoValueAxes_ = channelShown_[0] && channelShown_[1] && history.units[0] != history.units[1];
  valueAxes_[1]->setVisible(twoValueAxes_);
  QValueAxis* secondAxis = valueAxes_[twoValueAxes_ ? 1 : 0];
  channelLines_[1]->attachTo(secondAxis);
  levelLines_[1]->attachTo(secondAxis);
  everything_ = wholeHistory();
  show(everything_);
}

bool HistoryChart::empty() const {
  return history_ == nullptr || history_->samples.empty();
}

std::optional<ValueRange> HistoryChart::valueBounds(int axis) const {
  std::optional<ValueBounds> bounds;
  const auto widen = [&bounds](std::optional<ValueBounds> more) {
    if (!more) return;
    if (!bounds) bounds = more;
    bounds->lowest = std::min(bounds->lowest, more->lowest);
    bounds->highest = std::max(bounds->highest, more->highest);
  };
  for (std::size_t channel : channelsOn(axis)) {
    widen(BoundsOf(history_->samples, kChannelValues[channel], static_cast<int>(channel)));
    widen(BoundsOf(history_->samples, kLevelValues[channel], std::nullopt));
    if (pageLevels_) {
      const double level = channel == 0 ? pageLevels_->setpoint : pageLevels_->alarmSetpoint;
      widen(ValueBounds{level, level});
    }
  }
  if (!bounds) return std::nullopt;
  return WithMargin(*bounds);
}

std::vector<std::size_t> HistoryChart::channelsOn(int axis) const {
  std::vector<std::size_t> channels;
  if (empty()) return channels;
  for (std::size_t channel = 0; channel < 2; ++channel) {
    const bool onThisAxis = twoValueAxes_ ? static_cast<int>(channel) == axis : axis == 0;
    if (onThisAxis && channelShown_[channel]) channels.push_back(channel);
  }
  return channels;
}

ChartView HistoryChart::wholeHistory() const {
  ChartView all;
  if (empty()) {
    const double now = static_cast<double>(QDateTime::currentMSecsSinceEpoch());
    all.span = {now - kLoneSampleSpanMs, now};
    return all;
  }
  all.span = SpanOf(history_->samples);
  if (all.span.end - all.span.begin < kShortestSpanMs) {
    all.span = {all.span.begin - kLoneSampleSpanMs / 2, all.span.end + kLoneSampleSpanMs / 2};
  }
  for (int axis = 0; axis < 2; ++axis) {
    all.values[static_cast<std::size_t>(axis)] = valueBounds(axis).value_or(ValueRange{});
  }
  return all;
}

void HistoryChart::show(ChartView view) {
  const TimeSpan whole = everything_.span;
  const double widest = std::max((whole.end - whole.begin) * kWidestSpanFactor, kLoneSampleSpanMs);
  const double width = std::clamp(view.span.end - view.span.begin, kShortestSpanMs, widest);
  const double middle = (view.span.begin + view.span.end) / 2;
  view.span = {middle - width / 2, middle + width / 2};
  for (ValueRange& range : view.values) range = Valid(range);
  view_ = view;
  timeAxis_->setRange(view.span.begin, view.span.end);
  for (std::size_t axis = 0; axis < 2; ++axis) {
    valueAxes_[axis]->setRange(view.values[axis].lowest, view.values[axis].highest);
  }
  redraw();
}

void HistoryChart::redraw() {
  const int columns = std::max(1, static_cast<int>(plotArea().width()));
  const TimeSpan span = view_.span;
  const std::vector<HistorySample> none;
  const std::vector<HistorySample>& samples = empty() ? none : history_->samples;
  for (std::size_t channel = 0; channel < 2; ++channel) {
    channelLines_[channel]->draw(
        DecimatedLine(samples, kChannelValues[channel], span, columns, gapMs_),
        !empty() && channelShown_[channel]);
    drawLevels(channel, span, columns);
  }
  drawRelayBands(span, columns);
  drawStatusMarkers(span, columns);
  labelTimeAxis();
  labelValueAxes();
}

void HistoryChart::drawLevels(std::size_t level, TimeSpan span, int columns) {
  const std::vector<HistorySample> none;
  const std::vector<HistorySample>& samples = empty() ? none : history_->samples;
  std::vector<ChartLine> lines;
  if (pageLevels_ && !samples.empty()) {
    const double value = level == 0 ? pageLevels_->setpoint : pageLevels_->alarmSetpoint;
    const TimeSpan logged = SpanOf(samples);
    lines.push_back(
        {{std::max(span.begin, logged.begin), value}, {std::min(span.end, logged.end), value}});
  } else {
    lines = DecimatedLine(samples, kLevelValues[level], span, columns, gapMs_);
  }
  levelLines_[level]->draw(lines, !lines.empty());
}

void HistoryChart::drawRelayBands(TimeSpan span, int columns) {
  const double width = (span.end - span.begin) / columns;
  for (std::size_t relay = 0; relay < 2; ++relay) {
    const double bottom = kRelayLaneBottoms[relay];
    QList<QPointF> top;
    if (!empty()) {
      const std::vector<double> shares = RelayOnShares(
          history_->samples, relay == 0 ? kRelay1On : kRelay2On, span, columns, gapMs_);
      top.reserve(static_cast<qsizetype>(shares.size() * 2));
      for (std::size_t c = 0; c < shares.size(); ++c) {
        const double height = bottom + kRelayLaneHeight * shares[c];
        const double left = span.begin + static_cast<double>(c) * width;
        top.append({left, height});
        top.append({left + width, height});
      }
    }
    relayBands_[relay]->upperSeries()->replace(top);
    relayBands_[relay]->lowerSeries()->replace({{span.begin, bottom}, {span.end, bottom}});
  }
}

void HistoryChart::drawStatusMarkers(TimeSpan span, int columns) {
  for (std::size_t channel = 0; channel < 2; ++channel) {
    QList<QPointF> points;
    if (!empty() && channelShown_[channel]) {
      for (std::size_t index :
           StatusChanges(history_->samples, static_cast<int>(channel), span, columns)) {
        points.append(
            {static_cast<double>(history_->samples[index].moment), kStatusLanes[channel]});
      }
    }
    statusMarkers_[channel]->replace(points);
  }
}

void HistoryChart::labelTimeAxis() {
  for (const QString& label : timeAxis_->categoriesLabels()) timeAxis_->remove(label);
  timeAxis_->setStartValue(view_.span.begin);
  const int most = std::max(2, static_cast<int>(plotArea().width()) / kPixelsPerTimeLabel);
  const TimeTicks ticks = TicksFor(view_.span, most);
  for (double moment : ticks.moments) {
    QString label = TimeLabel(moment, ticks.stepMs);
    // A view longer than a day meets a time of day twice.
    if (timeAxis_->categoriesLabels().contains(label)) {
      label = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(moment)).toString("dd.MM hh:mm");
    }
    timeAxis_->append(label, moment);
  }
  const QDate first = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(view_.span.begin)).date();
  const QDate last = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(view_.span.end)).date();
  const QString dateFormat = "dd.MM.yyyy";
  timeAxis_->setTitleText(first == last
                              ? first.toString(dateFormat)
                              : first.toString(dateFormat) + " — " + last.toString(dateFormat));
}

void HistoryChart::labelValueAxes() {
  const int parts = std::max(2, static_cast<int>(plotArea().height()) / kPixelsPerValueLabel);
  for (int axis = 0; axis < 2; ++axis) {
    QValueAxis& valueAxis = *valueAxes_[static_cast<std::size_t>(axis)];
    const ValueRange range = view_.values[static_cast<std::size_t>(axis)];
    const double step = NiceStep(range.highest - range.lowest, parts);
    valueAxis.setTickAnchor(0);
    valueAxis.setTickInterval(step);
    valueAxis.setLabelFormat(QString("%.%1f").arg(LabelDecimals(step)));
    const std::vector<std::size_t> channels = channelsOn(axis);
    QString title = channels.size() == 2 ? tr("Каналы 1 и 2")
                    : channels.empty()   ? QString()
                    : channels[0] == 0   ? tr("Канал 1")
                                         : tr("Канал 2");
    const QString unit = channels.empty() ? QString() : CoreText(history_->units[channels[0]]);
    if (!unit.isEmpty()) title += ", " + unit;
    valueAxis.setTitleText(title);
  }
}

QRectF HistoryChart::plotArea() const {
  return chart_->plotArea();
}

double HistoryChart::momentAt(double x) const {
  const QRectF plot = plotArea();
  const double fraction = plot.width() > 0 ? (x - plot.left()) / plot.width() : 0;
  return view_.span.begin + fraction * (view_.span.end - view_.span.begin);
}

}  // namespace zorkan
