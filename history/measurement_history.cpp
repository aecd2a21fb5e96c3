#include "history/measurement_history.h"

#include <algorithm>

namespace zorkan {

double TypicalIntervalMs(const std::vector<HistorySample>& samples) {
  if (samples.size() < 2) return 0;
  std::vector<std::int64_t> intervals(samples.size() - 1);
  for (std::size_t i = 1; i < samples.size(); ++i) {
    intervals[i - 1] = samples[i].moment - samples[i - 1].moment;
  }
  const auto middle = intervals.begin() + static_cast<std::ptrdiff_t>(intervals.size() / 2);
  std::nth_element(intervals.begin(), middle, intervals.end());
  return static_cast<double>(*middle);
}

MeasurementHistory Joined(std::vector<MeasurementHistory> histories) {
  MeasurementHistory joined;
  for (MeasurementHistory& history : histories) {
    for (std::size_t channel = 0; channel < joined.units.size(); ++channel) {
      if (joined.units[channel].empty()) joined.units[channel] = history.units[channel];
    }
    joined.samples.insert(joined.samples.end(), history.samples.begin(), history.samples.end());
  }
  SortByMoment(joined.samples);
  return joined;
}

void SortByMoment(std::vector<HistorySample>& samples) {
  const auto earlier = [](const HistorySample& a, const HistorySample& b) {
    return a.moment < b.moment;
  };
  if (!std::is_sorted(samples.begin(), samples.end(), earlier)) {
    std::stable_sort(samples.begin(), samples.end(), earlier);
  }
}

}  // namespace zorkan
