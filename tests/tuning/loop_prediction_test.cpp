// The tuner's picture of the loop against the loop itself: the simulated instrument's regulator on
// its heated object. Where the two part, every prediction and every proposal is off.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <vector>

#include "sim/plant.h"
#include "tuning/step_response.h"

namespace zorkan::tuning {
namespace {

constexpr int kPeriodS = 2;

// The means over each PWM period of the simulated instrument's loop: long at `from`, then at `to`.
std::vector<double> SimulatedStep(const sim::PlantOptions& object, const RegulatorCoefficients& c,
                                  double from, double to, int settlePeriods, int periods) {
  sim::Plant plant(object);
  sim::PlantSettings settings;
  settings.pwmPeriodS = c.pwmPeriodS;
  settings.relayMasks[0][0] = 0x10;
  settings.proportionalGain = c.proportional;
  settings.zone = c.zone;
  settings.integrationS = c.integrationS;
  settings.differentiationS = c.differentiationS;
  std::vector<double> means;
  std::int64_t step = 0;
  for (int period = 0; period < settlePeriods + periods; ++period) {
    settings.regulatedValue = period < settlePeriods ? from : to;
    double sum = 0;
    for (int s = 0; s < c.pwmPeriodS * 100; ++s) {
      plant.advanceTo(sim::Plant::kStep * ++step, settings);
      sum += plant.reading().values[0];
    }
    if (period >= settlePeriods) means.push_back(sum / (c.pwmPeriodS * 100));
  }
  return means;
}

struct Loop {
  sim::PlantOptions object;
  RegulatorCoefficients coefficients;
};
void PrintTo(const Loop& loop, std::ostream* out) {
  *out << "gain " << loop.object.gain << ", lag " << loop.object.lagS << " s";
}

class ModelLoop : public ::testing::TestWithParam<Loop> {};

TEST_P(ModelLoop, PredictsTheSimulatedInstrumentsStep) {
  const Loop& loop = GetParam();
  const sim::PlantOptions& o = loop.object;
  const ObjectModel model{o.gain, o.lagS, o.secondLagS, o.delayS, o.ambient};
  const int periods = 300;
  const StepResponse predicted =
      PredictStep(model, loop.coefficients, 150, 160, periods * kPeriodS);
  const std::vector<double> simulated =
      SimulatedStep(o, loop.coefficients, 150, 160, 3000, periods);
  ASSERT_EQ(predicted.means.size(), simulated.size());
  double worst = 0;
  for (std::size_t k = 0; k < simulated.size(); ++k) {
    worst = std::max(worst, std::abs(predicted.means[k] - simulated[k]));
  }
  // Where the duty's 10 ms steps leave the simulator's integral in a band rather than at one
  // value, the two part by a few hundredths.
  EXPECT_LT(worst, 0.1);
  const StepMetrics measured = MeasureStep(simulated, kPeriodS, 150, 160);
  EXPECT_NEAR(predicted.metrics.iae, measured.iae, 0.05 * measured.iae);
  EXPECT_NEAR(predicted.metrics.overshootPercent, measured.overshootPercent, 0.5);
}

// Objects whose holding powers lie on the instrument's 10 ms steps, so that neither loop dithers.
INSTANTIATE_TEST_SUITE_P(
    OnObjects, ModelLoop,
    ::testing::Values(
        // Every term at work, the slope's filter a period long.
        Loop{{.gain = 2, .lagS = 60, .delayS = 30, .noise = 0.0}, {1, 79, 73, 8.4, kPeriodS}},
        // A zone narrower than the step: on/off first, the integral held outside the zone, and an
        // overshoot of a quarter.
        Loop{{.gain = 4, .lagS = 90, .secondLagS = 10, .noise = 0.0}, {0.2, 5, 450, 2, kPeriodS}}));

TEST(StepMetrics, OvershootSettlingAndIntegratedError) {
  // 150 -> 160: 162 at the peak, within 160 +- 0.2 from the fourth period on.
  const std::vector<double> means{150, 156, 162, 160.5, 160.1, 159.9, 160.0};
  const StepMetrics m = MeasureStep(means, 2, 150, 160);
  EXPECT_DOUBLE_EQ(m.overshootPercent, 20);
  EXPECT_DOUBLE_EQ(m.settlingS, 8);
  EXPECT_DOUBLE_EQ(m.iae, 2 * (10 + 4 + 2 + 0.5 + 0.1 + 0.1));

  // A loop without integral action parks off target: it never settles.
  EXPECT_LT(MeasureStep({150, 155, 158, 158.5, 158.5}, 2, 150, 160).settlingS, 0);
  // Downwards, an undershoot is the overshoot.
  EXPECT_DOUBLE_EQ(MeasureStep({160, 149, 150}, 2, 160, 150).overshootPercent, 10);
}

}  // namespace
}  // namespace zorkan::tuning
