#include "tuning/model_fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <vector>

#include "tuning/nelder_mead.h"

namespace zorkan::tuning {

namespace {

constexpr int kMaxTerms = 5;
constexpr int kSearchEvaluations = 200;
constexpr int kPolishEvaluations = 100;

// The heater's power before the record, then its switchings.
struct HeaterPower {
  double before = 0;
  std::vector<Switching> switchings;
};

// What the heater did before the record still reaches the object for one dead time after the
// record began, and nobody knows what it was (the instrument's own PWM, at a duty of its own):
// the recorded power starts with the record, and the power from before it is a term of its own,
// fitted like the others.
struct HeaterInputs {
  HeaterPower recorded;
  HeaterPower before;
};

HeaterInputs InputsOf(const ExperimentRecord& record) {
  HeaterInputs inputs;
  const double startS = record.samples.front().timeS;
  inputs.recorded.switchings.push_back({startS, record.samples.front().heating});
  for (const Switching& switching : HeaterSwitchings(record)) {
    inputs.recorded.switchings.push_back(switching);
  }
  inputs.before.before = 1;
  inputs.before.switchings.push_back({startS, false});
  return inputs;
}

// The temperature of the lags of `model` at every sample, from `start`, with the heater's power
// reaching them one dead time after it was switched.
std::vector<double> Response(const ObjectModel& model, LagState start, const HeaterPower& heater,
                             const std::vector<ExperimentSample>& samples) {
  std::vector<double> response;
  response.reserve(samples.size());
  LagState lags = start;
  double nowS = samples.front().timeS;
  double power = heater.before;
  std::size_t next = 0;
  for (const ExperimentSample& sample : samples) {
    while (nowS < sample.timeS) {
      const double arrivesS = next < heater.switchings.size()
                                  ? heater.switchings[next].timeS + model.delayS
                                  : sample.timeS;
      const double untilS = std::min(sample.timeS, arrivesS);
      if (untilS > nowS) AdvanceLags(model, lags, power, untilS - nowS);
      nowS = std::max(nowS, untilS);
      if (next < heater.switchings.size() && arrivesS <= nowS) {
        power = heater.switchings[next].on ? 100.0 : 0.0;
        ++next;
      }
    }
    response.push_back(TemperatureOf(model, lags));
  }
  return response;
}

// Solves the normal equations by elimination; a tiny ridge keeps a term the data cannot tell
// apart from the others from making them singular.
std::array<double, kMaxTerms> LeastSquares(const std::vector<std::vector<double>>& terms,
                                           const std::vector<ExperimentSample>& samples,
                                           double& squares) {
  const std::size_t n = terms.size();
  std::array<std::array<double, kMaxTerms + 1>, kMaxTerms> m{};
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) {
      for (std::size_t k = 0; k < samples.size(); ++k) m[i][j] += terms[i][k] * terms[j][k];
    }
    for (std::size_t k = 0; k < samples.size(); ++k) m[i][n] += terms[i][k] * samples[k].value;
  }
  for (std::size_t i = 0; i < n; ++i) m[i][i] += 1e-9 * (1 + m[i][i]);
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivot = col;
    for (std::size_t row = col + 1; row < n; ++row) {
      if (std::abs(m[row][col]) > std::abs(m[pivot][col])) pivot = row;
    }
    std::swap(m[col], m[pivot]);
    for (std::size_t row = 0; row < n; ++row) {
      if (row == col || m[col][col] == 0) continue;
      const double factor = m[row][col] / m[col][col];
      for (std::size_t j = col; j <= n; ++j) m[row][j] -= factor * m[col][j];
    }
  }
  std::array<double, kMaxTerms> c{};
  for (std::size_t i = 0; i < n; ++i) c[i] = m[i][i] != 0 ? m[i][n] / m[i][i] : 0;
  squares = 0;
  for (std::size_t k = 0; k < samples.size(); ++k) {
    double model = 0;
    for (std::size_t i = 0; i < n; ++i) model += c[i] * terms[i][k];
    squares += (samples[k].value - model) * (samples[k].value - model);
  }
  return c;
}

// The best ambient, gain and starting temperatures for these lags and this dead time.
FittedModel FitLinearPart(double lagS, double secondLagS, double delayS, const HeaterInputs& heater,
                          const std::vector<ExperimentSample>& samples) {
  const ObjectModel shape{0, lagS, secondLagS, delayS, 0};
  ObjectModel ambient = shape;
  ambient.ambient = 1;
  ObjectModel gain = shape;
  gain.gain = 1;
  std::vector<std::vector<double>> terms{
      Response(ambient, {}, heater.recorded, samples),
      Response(gain, {}, heater.recorded, samples),
      Response(gain, {}, heater.before, samples),
      Response(shape, {1, 0}, heater.recorded, samples),
  };
  if (secondLagS > 0) terms.push_back(Response(shape, {0, 1}, heater.recorded, samples));
  double squares = 0;
  const auto c = LeastSquares(terms, samples, squares);
  FittedModel fitted;
  fitted.model = shape;
  fitted.model.ambient = c[0];
  fitted.model.gain = c[1];
  fitted.rms = std::sqrt(squares / static_cast<double>(samples.size()));
  return fitted;
}

// The searched numbers: logarithms of the lags, and the dead time in units of `delayScaleS`
// (its sign ignored, so that a dead time of zero is reachable).
struct Shape {
  double delayScaleS;
  bool secondOrder;

  std::vector<double> encode(double lagS, double secondLagS, double delayS) const {
    std::vector<double> x{std::log(lagS), delayS / delayScaleS};
    if (secondOrder) x.push_back(std::log(secondLagS));
    return x;
  }
  FittedModel fit(std::span<const double> x, const HeaterInputs& heater,
                  const std::vector<ExperimentSample>& samples) const {
    const double lagS = std::exp(x[0]);
    const double secondLagS = secondOrder ? std::exp(x[2]) : 0;
    FittedModel fitted = FitLinearPart(std::max(lagS, secondLagS), std::min(lagS, secondLagS),
                                       std::abs(x[1]) * delayScaleS, heater, samples);
    if (!secondOrder) fitted.model.secondLagS = 0;
    return fitted;
  }
};

FittedModel Search(const Shape& shape, const std::vector<std::vector<double>>& starts,
                   const HeaterInputs& heater, const std::vector<ExperimentSample>& samples) {
  const auto rms = [&](std::span<const double> x) { return shape.fit(x, heater, samples).rms; };
  std::vector<double> best;
  double bestRms = 0;
  for (const std::vector<double>& start : starts) {
    std::vector<double> x = MinimizeNelderMead(rms, start, 0.3, kSearchEvaluations);
    x = MinimizeNelderMead(rms, x, 0.05, kPolishEvaluations);
    const double value = rms(x);
    if (best.empty() || value < bestRms) {
      best = x;
      bestRms = value;
    }
  }
  return shape.fit(best, heater, samples);
}

}  // namespace

ModelFit FitObjectModel(const ExperimentRecord& record, const RelayReading& relay) {
  ModelFit fit;
  if (record.samples.size() < 2) return fit;
  const HeaterInputs heater = InputsOf(record);
  const double periodS = std::max({relay.describingFunction.periodS, 1.0 * record.pwmPeriodS, 1.0});
  const double deadTimeS = std::max(relay.deadTimeS, 0.1);
  const Shape first{deadTimeS, false};

  // A coarse look over lags from a twentieth to fifty times the relay's period finds the valley
  // the simplex then descends.
  std::vector<std::pair<double, std::vector<double>>> tried;
  for (int i = 0; i <= 12; ++i) {
    const double lagS = periodS * 0.05 * std::pow(1000.0, i / 12.0);
    for (const double delayS : {0.5 * deadTimeS, deadTimeS}) {
      const std::vector<double> x = first.encode(lagS, 0, delayS);
      tried.emplace_back(first.fit(x, heater, record.samples).rms, x);
    }
  }
  std::sort(tried.begin(), tried.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  fit.firstOrder = Search(first, {tried[0].second, tried[1].second}, heater, record.samples);

  const ObjectModel& lag = fit.firstOrder.model;
  const Shape second{deadTimeS, true};
  std::vector<std::vector<double>> starts;
  for (const double share : {0.1, 0.25, 0.5}) {
    const double secondLagS = share * lag.lagS;
    starts.push_back(second.encode(lag.lagS * (1 - share / 2), secondLagS,
                                   std::max(0.0, lag.delayS - secondLagS / 2)));
  }
  fit.secondOrder = Search(second, starts, heater, record.samples);
  fit.secondOrderChosen = fit.secondOrder.rms < kMarkedlyBetter * fit.firstOrder.rms;
  return fit;
}

}  // namespace zorkan::tuning
