#include "sim/heated_object.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace zorkan::sim {

namespace {

constexpr double kRippleAmplitude = 0.03;
constexpr double kRipplePeriodS = 7.0;

std::size_t DelaySteps(const PlantOptions& options, double stepS) {
  return static_cast<std::size_t>(std::llround(std::max(0.0, options.delayS) / stepS));
}

}  // namespace

HeatedObject::HeatedObject(const PlantOptions& options, double stepS)
    : gain_(options.gain),
      ambient_(options.ambient),
      secondLagS_(options.secondLagS),
      firstDecay_(std::exp(-stepS / options.lagS)),
      secondDecay_(options.secondLagS > 0 ? std::exp(-stepS / options.secondLagS) : 0.0),
      noise_(options.noise),
      delayLine_(DelaySteps(options, stepS), false),
      firstLag_(options.ambient),
      secondLag_(options.ambient),
      random_(options.seed) {}

void HeatedObject::step(bool heating) {
  const double settled = ambient_ + (delayedHeating(heating) ? 100.0 * gain_ : 0.0);
  firstLag_ = settled + (firstLag_ - settled) * firstDecay_;
  // Over a step as short as this the first lag's output may count as constant.
  if (secondLagS_ > 0) secondLag_ = firstLag_ + (secondLag_ - firstLag_) * secondDecay_;
}

bool HeatedObject::delayedHeating(bool heating) {
  if (delayLine_.empty()) return heating;
  const bool arriving = delayLine_[next_];
  delayLine_[next_] = heating;
  next_ = (next_ + 1) % delayLine_.size();
  return arriving;
}

double HeatedObject::measured(int channel, double timeS) {
  if (noise_) return temperature() + *noise_ * gaussian();
  const double phase = 2.0 * std::numbers::pi * timeS / kRipplePeriodS + channel;
  return temperature() + kRippleAmplitude * std::sin(phase);
}

// The polar method over the generator's own bits, so that a seed gives the same noise with every
// standard library (std::normal_distribution may differ between them).
double HeatedObject::gaussian() {
  if (spareGaussian_) return *std::exchange(spareGaussian_, std::nullopt);
  for (;;) {
    const double u = 2.0 * static_cast<double>(random_() >> 11) * 0x1.0p-53 - 1.0;
    const double v = 2.0 * static_cast<double>(random_() >> 11) * 0x1.0p-53 - 1.0;
    const double s = u * u + v * v;
    if (s <= 0.0 || s >= 1.0) continue;
    const double scale = std::sqrt(-2.0 * std::log(s) / s);
    spareGaussian_ = v * scale;
    return u * scale;
  }
}

}  // namespace zorkan::sim
