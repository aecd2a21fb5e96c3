#pragma once
// The object the instrument's heater warms, and what its sensors read of it: a dead time on the
// heater's power, one or two lags, and the measurement's ripple or noise.

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace zorkan::sim {

// What zorkan-sim --plant sets. The defaults are the object every test and picture was made with:
// one lag of 90 s, no dead time, a 0.03-degree ripple.
struct PlantOptions {
  double gain = 4.0;      // degrees of steady rise per per cent of heater power
  double lagS = 90.0;     // the first lag's time constant
  double secondLagS = 0;  // the second lag's; 0: none
  double delayS = 0;      // dead time of the heater's power
  double ambient = 20.0;  // where the object settles with the heater off
  // Standard deviation in degrees of the white noise on each 10 ms sample; none: the ripple.
  std::optional<double> noise = std::nullopt;
  std::uint64_t seed = 1;  // of the noise
};

class HeatedObject {
 public:
  // `stepS`: the time of one step().
  HeatedObject(const PlantOptions& options, double stepS);

  // One step with the heater on or off. Its power reaches the object one dead time later.
  void step(bool heating);
  // What channel `channel` (0 or 1) reads at `timeS`; the noise, drawn anew at each call, is the
  // same for the same seed and the same calls.
  double measured(int channel, double timeS);
  // The last lag's output, without ripple or noise.
  double temperature() const { return secondLagS_ > 0 ? secondLag_ : firstLag_; }

 private:
  bool delayedHeating(bool heating);
  double gaussian();

  const double gain_;
  const double ambient_;
  const double secondLagS_;
  const double firstDecay_;
  const double secondDecay_;
  const std::optional<double> noise_;
  std::vector<bool> delayLine_;  // the heater's states of the last dead time, oldest at next_
  std::size_t next_ = 0;
  double firstLag_;
  double secondLag_;
  std::mt19937_64 random_;
  std::optional<double> spareGaussian_;
};

}  // namespace zorkan::sim
