// What the chart draws of a long log: a few points a pixel column that keep each column's lowest
// and highest sample, the line parted at the log's gaps, the relays' duty and the status changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "history/decimation.h"

namespace zorkan {
namespace {

constexpr std::int64_t kInterval = 100;
constexpr int kColumns = 97;
constexpr double kGapMs = 1000;

float Value(const HistorySample& sample) {
  return sample.measurement.values[0];
}

// 20,000 noisy samples with spikes, a ten-second gap in the middle, relay 1 on every fourth
// sample, and a status that changes every 50 samples.
std::vector<HistorySample> NoisyLog() {
  std::mt19937 random(11);
  std::normal_distribution<float> noise(100.0f, 3.0f);
  std::vector<HistorySample> samples;
  std::int64_t moment = 1'700'000'000'000;
  for (int i = 0; i < 20'000; ++i) {
    moment += i == 10'000 ? 10'000 : kInterval;
    HistorySample sample{moment, {}, 0, 0};
    sample.measurement.values[0] = i % 613 == 0 ? 1000.0f : noise(random);
    sample.measurement.relays = i % 4 == 0 ? kRelay1On : 0;
    sample.measurement.statuses[0] = static_cast<std::uint8_t>((i / 50) % 2 == 0 ? 0 : 9);
    samples.push_back(sample);
  }
  return samples;
}

TEST(Decimation, EveryPixelColumnKeepsItsLowestAndHighestSample) {
  const std::vector<HistorySample> samples = NoisyLog();
  const TimeSpan span{static_cast<double>(samples[1'000].moment) + 50,
                      static_cast<double>(samples[19'000].moment) - 50};
  const std::vector<ChartLine> lines = DecimatedLine(samples, Value, span, kColumns, kGapMs);
  ASSERT_EQ(lines.size(), 2u) << "parted at the gap";
  std::vector<ChartPoint> points;
  for (const ChartLine& line : lines) points.insert(points.end(), line.begin(), line.end());
  EXPECT_LE(points.size(), 4u * (kColumns + 2) + 4);
  EXPECT_EQ(points.front().moment, samples[1'000].moment) << "the line reaches the left edge";
  EXPECT_EQ(points.back().moment, samples[19'000].moment) << "and the right one";
  EXPECT_TRUE(std::is_sorted(points.begin(), points.end(),
                             [](const auto& a, const auto& b) { return a.moment < b.moment; }));
  const double width = (span.end - span.begin) / kColumns;
  for (int column = 0; column < kColumns; ++column) {
    const double begin = span.begin + column * width;
    float lowest = 1e9f, highest = -1e9f;
    for (const HistorySample& sample : samples) {
      if (sample.moment >= begin && sample.moment < begin + width) {
        lowest = std::min(lowest, Value(sample));
        highest = std::max(highest, Value(sample));
      }
    }
    if (lowest > highest) continue;  // the gap
    const auto drawn = [&](float value) {
      return std::any_of(points.begin(), points.end(), [&](const ChartPoint& p) {
        return p.value == value && p.moment >= begin && p.moment < begin + width;
      });
    };
    EXPECT_TRUE(drawn(lowest)) << "column " << column;
    EXPECT_TRUE(drawn(highest)) << "column " << column;
  }

  const std::vector<double> duty = RelayOnShares(samples, kRelay1On, span, kColumns, kGapMs);
  ASSERT_EQ(duty.size(), static_cast<std::size_t>(kColumns));
  for (std::size_t column = 0; column < duty.size(); ++column) {
    if (duty[column] == 0) continue;  // the gap
    EXPECT_NEAR(duty[column], 0.25, 0.03) << "column " << column;
  }
  EXPECT_EQ(RelayOnShares(samples, kRelay2On, span, kColumns, kGapMs),
            std::vector<double>(kColumns, 0.0));

  // A change every five seconds, columns of some 18 s: one marker a column at most.
  const std::vector<std::size_t> changes = StatusChanges(samples, 0, span, kColumns);
  EXPECT_GE(changes.size(), static_cast<std::size_t>(kColumns) - 2);
  EXPECT_LE(changes.size(), static_cast<std::size_t>(kColumns));
  for (std::size_t index : changes) {
    EXPECT_NE(samples[index].measurement.statuses[0], samples[index - 1].measurement.statuses[0]);
  }
}

}  // namespace
}  // namespace zorkan
