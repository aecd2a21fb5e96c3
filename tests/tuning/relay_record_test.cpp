// The relay experiment's record read back: when the heater really switched, which the samples
// only bracket, and the cycles of the oscillation.
#include <gtest/gtest.h>

#include <cmath>

#include "tuning/relay_analysis.h"

namespace zorkan::tuning {
namespace {

// The instrument switches at the start of its 2 s PWM periods, here 0.7 s into the record;
// samples come a little over every 0.5 s, as the experiment takes them.
TEST(HeaterSwitchings, LieOnThePwmGridTheSamplesBracket) {
  ExperimentRecord record;
  record.pwmPeriodS = 2;
  const double phaseS = 0.7;
  const double switchingsS[] = {10.7, 24.7, 40.7, 52.7, 70.7};
  for (int k = 0; k < 200; ++k) {
    const double timeS = 0.5078 * k;
    int passed = 0;
    for (const double s : switchingsS) passed += timeS >= s ? 1 : 0;
    record.samples.push_back({timeS, 100.0 + k, passed % 2 == 1});
  }
  const std::vector<Switching> found = HeaterSwitchings(record);
  ASSERT_EQ(found.size(), std::size(switchingsS));
  for (std::size_t i = 0; i < found.size(); ++i) {
    EXPECT_NEAR(found[i].timeS, switchingsS[i], 0.05) << i;
    EXPECT_EQ(found[i].on, i % 2 == 0);
    EXPECT_NEAR(std::fmod(found[i].timeS, 2.0), phaseS, 0.05);
  }

  // A heater that switches off the grid (an instrument that takes a duty at once) is bracketed
  // by its samples, not forced onto a grid.
  record.pwmPeriodS = 7;
  const std::vector<Switching> bracketed = HeaterSwitchings(record);
  for (std::size_t i = 0; i < bracketed.size(); ++i) {
    EXPECT_NEAR(bracketed[i].timeS, switchingsS[i], 0.26) << i;
    EXPECT_NE(std::abs(bracketed[i].timeS - found[i].timeS), 0) << i;
  }
}

}  // namespace
}  // namespace zorkan::tuning
