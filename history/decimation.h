#pragma once
// What a chart draws of a history, reduced to a few points a pixel column however long the log:
// 24 hours at two lines a second are 172,800 samples a channel, a chart some thousand columns.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "history/measurement_history.h"

namespace zorkan {

// Milliseconds since the epoch, as the chart's time axis counts.
struct TimeSpan {
  double begin = 0;
  double end = 0;
  bool operator==(const TimeSpan&) const = default;
};

struct ChartPoint {
  double moment;
  double value;
};
using ChartLine = std::vector<ChartPoint>;

// One quantity of a sample: a channel's value, a setpoint.
using SampleValue = float (*)(const HistorySample&);

// The line of a quantity over `span`, drawn `columns` pixel columns wide: of the samples in each
// column the first, the lowest, the highest and the last, in time order, so that it looks as the
// line through every sample would. The samples just outside the span carry it to the edges. It
// parts where the log is silent for longer than `gapMs`, and at a sample whose quantity is no
// number.
std::vector<ChartLine> DecimatedLine(const std::vector<HistorySample>& samples, SampleValue value,
                                     TimeSpan span, int columns, double gapMs);

// Of each column, the share of its logged time during which `relay` (kRelay1On or kRelay2On) was
// on; 0 where nothing was logged. A relay that a PWM switches shows its duty in a long view. A
// sample's state lasts until the next one, or not at all before a gap longer than `gapMs`.
std::vector<double> RelayOnShares(const std::vector<HistorySample>& samples, std::uint8_t relay,
                                  TimeSpan span, int columns, double gapMs);

// The samples within `span` whose channel status differs from the sample's before (the first
// sample's from a normal measurement), at most the first of them in each column.
std::vector<std::size_t> StatusChanges(const std::vector<HistorySample>& samples, int channel,
                                       TimeSpan span, int columns);

struct ValueBounds {
  double lowest;
  double highest;
};
// The lowest and highest of a quantity, of channel `normalIn`'s normal measurements only when
// there are any (a break's -1000 would squash the rest), else of every sample; nullopt without
// a number.
std::optional<ValueBounds> BoundsOf(const std::vector<HistorySample>& samples, SampleValue value,
                                    std::optional<int> normalIn);

// The moments of the first and the last sample.
TimeSpan SpanOf(const std::vector<HistorySample>& samples);

// The sample nearest to `moment`; nullopt without samples.
std::optional<std::size_t> NearestSample(const std::vector<HistorySample>& samples, double moment);

}  // namespace zorkan
