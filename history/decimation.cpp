#include "history/decimation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zorkan {

namespace {

std::size_t FirstAtOrAfter(const std::vector<HistorySample>& samples, double moment) {
  return static_cast<std::size_t>(
      std::lower_bound(samples.begin(), samples.end(), moment,
                       [](const HistorySample& s, double m) { return s.moment < m; }) -
      samples.begin());
}

std::size_t FirstAfter(const std::vector<HistorySample>& samples, double moment) {
  return static_cast<std::size_t>(
      std::upper_bound(samples.begin(), samples.end(), moment,
                       [](double m, const HistorySample& s) { return m < s.moment; }) -
      samples.begin());
}

// The column a moment falls in; the moments beyond the span in a column of their own on each
// side.
class Columns {
 public:
  Columns(TimeSpan span, int count)
      : span_(span), count_(std::max(count, 1)), width_((span.end - span.begin) / count_) {}

  int count() const { return count_; }
  double width() const { return width_; }
  double begin(int column) const { return span_.begin + column * width_; }
  int of(double moment) const {
    if (moment < span_.begin) return -1;
    if (moment >= span_.end || width_ <= 0) return moment > span_.end ? count_ : count_ - 1;
    return std::min(static_cast<int>((moment - span_.begin) / width_), count_ - 1);
  }

 private:
  TimeSpan span_;
  int count_;
  double width_;
};

// The first, lowest, highest and last sample of one column.
class ColumnExtremes {
 public:
  void add(std::size_t index, float value) {
    if (empty_) {
      first_ = lowest_ = highest_ = index;
      low_ = high_ = value;
      empty_ = false;
    } else if (value < low_) {
      lowest_ = index;
      low_ = value;
    } else if (value > high_) {
      highest_ = index;
      high_ = value;
    }
    last_ = index;
  }

  // Onto the line, in time order, each sample once.
  void flushInto(ChartLine& line, const std::vector<HistorySample>& samples, SampleValue value) {
    if (empty_) return;
    std::array<std::size_t, 4> indices{first_, lowest_, highest_, last_};
    std::sort(indices.begin(), indices.end());
    const auto end = std::unique(indices.begin(), indices.end());
    for (auto index = indices.begin(); index != end; ++index) {
      const HistorySample& sample = samples[*index];
      line.push_back({static_cast<double>(sample.moment), value(sample)});
    }
    empty_ = true;
  }

 private:
  bool empty_ = true;
  std::size_t first_ = 0, lowest_ = 0, highest_ = 0, last_ = 0;
  float low_ = 0, high_ = 0;
};

}  // namespace

std::vector<ChartLine> DecimatedLine(const std::vector<HistorySample>& samples, SampleValue value,
                                     TimeSpan span, int columns, double gapMs) {
  std::vector<ChartLine> lines;
  if (samples.empty()) return lines;
  const Columns grid(span, columns);
  const std::size_t from = FirstAtOrAfter(samples, span.begin);
  const std::size_t to = std::min(FirstAfter(samples, span.end) + 1, samples.size());
  ChartLine line;
  ColumnExtremes column;
  int columnAt = 0;
  const auto endLine = [&] {
    column.flushInto(line, samples, value);
    if (!line.empty()) lines.push_back(std::move(line));
    line.clear();
  };
  for (std::size_t i = from > 0 ? from - 1 : 0; i < to; ++i) {
    const float v = value(samples[i]);
    const bool gap = i > 0 && samples[i].moment - samples[i - 1].moment > gapMs;
    if (std::isnan(v) || gap) endLine();
    if (std::isnan(v)) continue;
    const int at = grid.of(static_cast<double>(samples[i].moment));
    if (at != columnAt) column.flushInto(line, samples, value);
    columnAt = at;
    column.add(i, v);
  }
  endLine();
  return lines;
}

std::vector<double> RelayOnShares(const std::vector<HistorySample>& samples, std::uint8_t relay,
                                  TimeSpan span, int columns, double gapMs) {
  const Columns grid(span, columns);
  std::vector<double> logged(static_cast<std::size_t>(grid.count()), 0.0);
  std::vector<double> on(logged.size(), 0.0);
  const std::size_t from = FirstAtOrAfter(samples, span.begin);
  const std::size_t to = FirstAfter(samples, span.end);
  for (std::size_t i = from > 0 ? from - 1 : 0; i < to && i + 1 < samples.size(); ++i) {
    const auto begin = static_cast<double>(samples[i].moment);
    const auto next = static_cast<double>(samples[i + 1].moment);
    if (next - begin > gapMs) continue;
    const double a = std::max(begin, span.begin);
    const double b = std::min(next, span.end);
    const bool relayOn = (samples[i].measurement.relays & relay) != 0;
    for (int c = std::max(grid.of(a), 0); a < b && c < grid.count(); ++c) {
      const double overlap = std::min(b, grid.begin(c) + grid.width()) - std::max(a, grid.begin(c));
      if (overlap <= 0) break;
      logged[static_cast<std::size_t>(c)] += overlap;
      if (relayOn) on[static_cast<std::size_t>(c)] += overlap;
    }
  }
  for (std::size_t c = 0; c < on.size(); ++c) on[c] = logged[c] > 0 ? on[c] / logged[c] : 0.0;
  return on;
}

std::vector<std::size_t> StatusChanges(const std::vector<HistorySample>& samples, int channel,
                                       TimeSpan span, int columns) {
  const Columns grid(span, columns);
  const auto ch = static_cast<std::size_t>(channel);
  std::vector<std::size_t> changes;
  int lastColumn = -1;
  const std::size_t to = FirstAfter(samples, span.end);
  for (std::size_t i = FirstAtOrAfter(samples, span.begin); i < to; ++i) {
    const std::uint8_t before = i > 0 ? samples[i - 1].measurement.statuses[ch] : kStatusNormal;
    if (samples[i].measurement.statuses[ch] == before) continue;
    const int column = grid.of(static_cast<double>(samples[i].moment));
    if (column == lastColumn) continue;
    lastColumn = column;
    changes.push_back(i);
  }
  return changes;
}

std::optional<ValueBounds> BoundsOf(const std::vector<HistorySample>& samples, SampleValue value,
                                    std::optional<int> normalIn) {
  std::optional<ValueBounds> normal;
  std::optional<ValueBounds> any;
  const auto widen = [](std::optional<ValueBounds>& bounds, double v) {
    if (!bounds) {
      bounds = ValueBounds{v, v};
    } else {
      bounds->lowest = std::min(bounds->lowest, v);
      bounds->highest = std::max(bounds->highest, v);
    }
  };
  for (const HistorySample& sample : samples) {
    const float v = value(sample);
    if (std::isnan(v)) continue;
    widen(any, v);
    if (normalIn &&
        sample.measurement.statuses[static_cast<std::size_t>(*normalIn)] == kStatusNormal) {
      widen(normal, v);
    }
  }
  return normal ? normal : any;
}

TimeSpan SpanOf(const std::vector<HistorySample>& samples) {
  if (samples.empty()) return {};
  return {static_cast<double>(samples.front().moment), static_cast<double>(samples.back().moment)};
}

std::optional<std::size_t> NearestSample(const std::vector<HistorySample>& samples, double moment) {
  if (samples.empty()) return std::nullopt;
  const std::size_t after = FirstAtOrAfter(samples, moment);
  if (after == 0) return 0;
  if (after == samples.size()) return samples.size() - 1;
  const bool earlierNearer = moment - static_cast<double>(samples[after - 1].moment) <=
                             static_cast<double>(samples[after].moment) - moment;
  return earlierNearer ? after - 1 : after;
}

}  // namespace zorkan
