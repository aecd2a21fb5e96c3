#include "tuning/relay_analysis.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <optional>

namespace zorkan::tuning {

namespace {

constexpr int kPhaseSteps = 1000;
// Below this share of switchings on one grid the instrument does not switch on a grid after all.
constexpr double kGridAgreement = 0.8;

struct Interval {
  double afterS;  // the last sample before the switching
  double untilS;  // the first sample after it
  bool on;
};

std::vector<Interval> SwitchingIntervals(const ExperimentRecord& record) {
  std::vector<Interval> intervals;
  const auto& samples = record.samples;
  for (std::size_t k = 1; k < samples.size(); ++k) {
    if (samples[k].heating != samples[k - 1].heating) {
      intervals.push_back({samples[k - 1].timeS, samples[k].timeS, samples[k].heating});
    }
  }
  return intervals;
}

// The grid point nearest the middle of (afterS, untilS], if there is one in it.
std::optional<double> GridPointIn(const Interval& interval, double phaseS, double periodS) {
  const double middle = (interval.afterS + interval.untilS) / 2;
  const double point = phaseS + std::round((middle - phaseS) / periodS) * periodS;
  if (point > interval.afterS && point <= interval.untilS) return point;
  return std::nullopt;
}

// The phase of the PWM grid that most switchings agree with: the middle of the longest run of
// phases that the most intervals contain.
std::optional<double> GridPhase(const std::vector<Interval>& intervals, double periodS) {
  std::vector<int> count(kPhaseSteps, 0);
  for (int step = 0; step < kPhaseSteps; ++step) {
    const double phase = periodS * step / kPhaseSteps;
    for (const Interval& interval : intervals) {
      if (GridPointIn(interval, phase, periodS)) ++count[static_cast<std::size_t>(step)];
    }
  }
  const int most = *std::max_element(count.begin(), count.end());
  if (most < kGridAgreement * static_cast<double>(intervals.size())) return std::nullopt;
  int bestStart = 0;
  int bestLength = 0;
  for (int start = 0; start < kPhaseSteps; ++start) {
    if (count[static_cast<std::size_t>(start)] != most) continue;
    int length = 0;
    while (length < kPhaseSteps &&
           count[static_cast<std::size_t>((start + length) % kPhaseSteps)] == most) {
      ++length;
    }
    if (length > bestLength) {
      bestStart = start;
      bestLength = length;
    }
  }
  return periodS * (bestStart + (bestLength - 1) / 2.0) / kPhaseSteps;
}

double TimeAverage(const std::vector<ExperimentSample>& samples, double fromS, double untilS) {
  double area = 0;
  double span = 0;
  for (std::size_t k = 1; k < samples.size(); ++k) {
    const double a = std::max(fromS, samples[k - 1].timeS);
    const double b = std::min(untilS, samples[k].timeS);
    if (b <= a) continue;
    area += (samples[k - 1].value + samples[k].value) / 2 * (b - a);
    span += b - a;
  }
  return span > 0 ? area / span : 0;
}

// How long after `fromS` the measured value turns: its lowest (after switching on) or highest
// sample before `untilS`.
std::optional<double> TurnAfter(const std::vector<ExperimentSample>& samples, double fromS,
                                double untilS, bool on) {
  std::optional<double> turnS;
  double extreme = 0;
  for (const ExperimentSample& sample : samples) {
    if (sample.timeS < fromS || sample.timeS >= untilS) continue;
    if (!turnS || (on ? sample.value < extreme : sample.value > extreme)) {
      turnS = sample.timeS;
      extreme = sample.value;
    }
  }
  if (!turnS) return std::nullopt;
  return *turnS - fromS;
}

}  // namespace

std::vector<Switching> HeaterSwitchings(const ExperimentRecord& record) {
  const std::vector<Interval> intervals = SwitchingIntervals(record);
  const double periodS = std::max(1, record.pwmPeriodS);
  const std::optional<double> phase =
      intervals.empty() ? std::nullopt : GridPhase(intervals, periodS);
  std::vector<Switching> switchings;
  for (const Interval& interval : intervals) {
    std::optional<double> timeS = phase ? GridPointIn(interval, *phase, periodS) : std::nullopt;
    switchings.push_back({timeS.value_or((interval.afterS + interval.untilS) / 2), interval.on});
  }
  return switchings;
}

std::vector<RelayCycle> RelayCycles(const ExperimentRecord& record) {
  if (record.relayStart >= record.samples.size()) return {};
  const double relayS = record.samples[record.relayStart].timeS;
  std::vector<Switching> switchings = HeaterSwitchings(record);
  std::erase_if(switchings, [&](const Switching& s) { return s.timeS < relayS; });
  while (!switchings.empty() && !switchings.front().on) switchings.erase(switchings.begin());

  std::vector<RelayCycle> cycles;
  // A heater's switchings alternate, so from the first one on every second one switches it on.
  for (std::size_t i = 0; i + 2 < switchings.size(); i += 2) {
    const Switching& on = switchings[i];
    const Switching& off = switchings[i + 1];
    const Switching& next = switchings[i + 2];
    RelayCycle cycle;
    cycle.startS = on.timeS;
    cycle.periodS = next.timeS - on.timeS;
    cycle.onFraction = (off.timeS - on.timeS) / cycle.periodS;
    double low = 0;
    double high = 0;
    bool any = false;
    for (const ExperimentSample& sample : record.samples) {
      if (sample.timeS < on.timeS || sample.timeS >= next.timeS) continue;
      low = any ? std::min(low, sample.value) : sample.value;
      high = any ? std::max(high, sample.value) : sample.value;
      any = true;
    }
    cycle.amplitude = (high - low) / 2;
    cycle.mean = TimeAverage(record.samples, on.timeS, next.timeS);
    cycles.push_back(cycle);
  }
  return cycles;
}

bool CyclesSettled(const std::vector<RelayCycle>& cycles, int count, double tolerance) {
  if (count <= 0 || cycles.size() < static_cast<std::size_t>(count)) return false;
  const auto last = cycles.end() - count;
  const auto within = [&](double RelayCycle::*field) {
    const double mean =
        std::accumulate(last, cycles.end(), 0.0,
                        [&](double sum, const RelayCycle& c) { return sum + c.*field; }) /
        count;
    return std::all_of(last, cycles.end(), [&](const RelayCycle& c) {
      return std::abs(c.*field - mean) <= tolerance * std::abs(mean);
    });
  };
  return within(&RelayCycle::periodS) && within(&RelayCycle::amplitude);
}

RelayReading ReadRelay(const ExperimentRecord& record) {
  RelayReading reading;
  const std::vector<RelayCycle> cycles = RelayCycles(record);
  reading.cycles = static_cast<int>(cycles.size());
  reading.settled = CyclesSettled(cycles, kSettledCycles, kSettledTolerance);
  if (cycles.empty()) return reading;

  // The first cycle still carries the heat-up's overshoot: judge by the last ones.
  const std::size_t used = std::min<std::size_t>(kSettledCycles, cycles.size());
  double period = 0;
  double amplitude = 0;
  double onFraction = 0;
  double mean = 0;
  for (auto c = cycles.end() - static_cast<std::ptrdiff_t>(used); c != cycles.end(); ++c) {
    period += c->periodS / static_cast<double>(used);
    amplitude += c->amplitude / static_cast<double>(used);
    onFraction += c->onFraction / static_cast<double>(used);
    mean += c->mean / static_cast<double>(used);
  }
  const double fundamental = 50.0 * std::sin(std::numbers::pi * onFraction);
  const double hysteresis = std::min(record.hysteresis, 0.99 * amplitude);
  reading.describingFunction = {
      4 * fundamental /
          (std::numbers::pi * std::sqrt(amplitude * amplitude - hysteresis * hysteresis)),
      period};
  reading.onFraction = onFraction;
  reading.mean = mean;

  const double relayS = record.samples[record.relayStart].timeS;
  std::vector<Switching> switchings = HeaterSwitchings(record);
  std::erase_if(switchings, [&](const Switching& s) { return s.timeS < relayS; });
  double deadTime = 0;
  int turns = 0;
  for (std::size_t i = 0; i + 1 < switchings.size(); ++i) {
    if (const auto turn = TurnAfter(record.samples, switchings[i].timeS, switchings[i + 1].timeS,
                                    switchings[i].on)) {
      deadTime += *turn;
      ++turns;
    }
  }
  reading.deadTimeS = turns > 0 ? deadTime / turns : 0;
  return reading;
}

}  // namespace zorkan::tuning
