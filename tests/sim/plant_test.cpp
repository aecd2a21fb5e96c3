#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "link/frame.h"
#include "sim/instrument.h"
#include "sim/instrument_line.h"

namespace zorkan::sim {
namespace {

using namespace std::chrono_literals;

struct Live {
  std::uint8_t relays;
  float values[2];
  std::uint8_t statuses[2];
  std::uint8_t flags[2];
};

// The instrument on a clock the test moves, asked as the tool asks over the line.
class PlantOnFakeClock : public ::testing::Test {
 protected:
  explicit PlantOnFakeClock(const PlantOptions& options = {})
      : instrument(
            1, [this] { return now; }, options) {}

  std::string ask(const std::string& textWithColon) {
    const std::string frame = CompleteFrame(textWithColon);
    const auto reply = instrument.handle(frame.substr(5, frame.size() - 6));
    return reply ? reply->bytes : "";
  }
  void accepted(const std::string& textWithColon) {
    ASSERT_EQ(ask(textWithColon).substr(0, 6), "$0000;") << textWithColon;
  }
  void writeByte(int space, unsigned number, std::uint8_t value) {
    accepted(ByteWriteRequestText(1, MakeParamAddress(ValueKind::Byte, space, number), value));
  }
  void writeFloat(int space, unsigned number, float value) {
    accepted(FloatWriteRequestText(1, MakeParamAddress(ValueKind::Float, space, number), value));
  }
  Live liveAfter(std::chrono::steady_clock::duration wait) {
    now += wait;
    return live(instrument);
  }
  // The live block of `object`, asked as the tool asks over the line.
  static Live live(Instrument& object) {
    const std::string frame = CompleteFrame(
        ReadRequestText(object.networkAddress(), MakeParamAddress(ValueKind::DataBlock, 1, 2)));
    const std::string answer = object.handle(frame.substr(5, frame.size() - 6))->bytes;
    EXPECT_EQ(answer.substr(0, 3), "!" + std::to_string(object.networkAddress()) + ";");
    std::uint8_t d[16] = {};
    for (int i = 0; i < 16; ++i) d[i] = std::stoi(answer.substr(3 + 2 * i, 2), nullptr, 16);
    auto value = [&](int at) {
      return FloatFromBits(std::uint32_t{d[at]} << 24 | std::uint32_t{d[at + 1]} << 16 |
                           std::uint32_t{d[at + 2]} << 8 | d[at + 3]);
    };
    return {d[2], {value(4), value(10)}, {d[8], d[14]}, {d[9], d[15]}};
  }

  std::chrono::steady_clock::time_point now{};
  Instrument instrument;
};

TEST_F(PlantOnFakeClock, ManualPwmOnTheHeaterRelayHeatsTheObject) {
  const Live cold = liveAfter(0s);
  EXPECT_NEAR(cold.values[0], 20.0, 0.1);
  writeByte(1, 17, 1);
  writeByte(1, 18, 100);
  const Live hot = liveAfter(60s);
  EXPECT_EQ(hot.relays & 1, 1);
  EXPECT_NEAR(hot.values[0], 420 - 400 * std::exp(-60.0 / 90.0), 2.0);
  EXPECT_NEAR(hot.values[1], hot.values[0], 0.1) << "both channels see the same object";
  EXPECT_EQ(hot.statuses[0], 0);
}

TEST_F(PlantOnFakeClock, ManualPwmOnARelayWithoutHeaterDoesNotHeat) {
  writeByte(1, 17, 2);
  writeByte(1, 18, 100);
  const Live live = liveAfter(60s);
  EXPECT_EQ(live.relays, 2);
  EXPECT_NEAR(live.values[0], 20.0, 0.1);
}

TEST_F(PlantOnFakeClock, ManualDutyIsThePartOfEachPeriodTheRelayIsOn) {
  writeByte(2, 337, 10);  // PWM period 10 s
  writeByte(1, 17, 1);
  writeByte(1, 18, 30);
  int on = 0;
  for (int second = 0; second < 100; ++second) on += liveAfter(1s).relays & 1;
  EXPECT_NEAR(on, 30, 2);
}

TEST_F(PlantOnFakeClock, AlarmFlagAndRelayFollowTheSetpointWithHysteresis) {
  // Channel 2: setpoint 1 at 200 rising, hysteresis 5, wired to relay 2.
  writeByte(1, 17, 1);
  writeByte(1, 18, 100);
  const Live hot = liveAfter(90s);
  ASSERT_GT(hot.values[1], 205);
  EXPECT_EQ(hot.flags[1], 1);
  EXPECT_EQ(hot.relays, 3);

  writeByte(1, 18, 0);
  bool sawBand = false;
  bool sawOff = false;
  for (int i = 0; i < 240 && !sawOff; ++i) {
    const Live live = liveAfter(250ms);
    const float value = live.values[1];
    if (value > 195.2 && value < 199.8) {
      sawBand = true;
      EXPECT_EQ(live.flags[1], 1) << "dropped inside the hysteresis at " << value;
    } else if (value < 194.8) {
      sawOff = true;
      EXPECT_EQ(live.flags[1], 0) << value;
      EXPECT_EQ(live.relays, 0) << value;
    }
  }
  EXPECT_TRUE(sawBand);
  EXPECT_TRUE(sawOff);
}

TEST_F(PlantOnFakeClock, FallingSetpointOnChannel1DrivesRelay1) {
  writeByte(2, 327, 1);   // channel 1 setpoint 1 falling: on below 150
  writeByte(2, 6, 0x01);  // relay 1: only that event, no heater
  writeByte(2, 8, 0x10);  // the heater moves to relay 2
  const Live live = liveAfter(1s);
  EXPECT_EQ(live.flags[0], 1);
  EXPECT_EQ(live.relays & 1, 1);
  EXPECT_GT(liveAfter(60s).values[0], 100) << "the PID output now heats through relay 2";
}

TEST_F(PlantOnFakeClock, PidHoldsTheRegulatedValue) {
  EXPECT_EQ(liveAfter(1s).relays & 1, 1) << "far below the zone: heater on";
  float lowest = 1e9;
  float highest = -1e9;
  for (int i = 0; i < 120; ++i) {
    const Live live = liveAfter(10s);
    if (i >= 60) {
      lowest = std::min(lowest, live.values[0]);
      highest = std::max(highest, live.values[0]);
    }
  }
  EXPECT_GT(lowest, 147);
  EXPECT_LT(highest, 153);

  writeFloat(2, 29, 100);
  for (int i = 0; i < 120; ++i) liveAfter(10s);
  EXPECT_NEAR(liveAfter(10s).values[0], 100, 3);
}

TEST_F(PlantOnFakeClock, DisabledChannelReportsStatus12) {
  writeByte(2, 342, 0);
  const Live live = liveAfter(5s);
  EXPECT_EQ(live.statuses[1], 12);
  EXPECT_EQ(live.flags[1], 0);
  EXPECT_EQ(live.statuses[0], 0);
}

// A small oven: a dead time of 5 s and two lags, measured without noise or ripple.
class DelayedTwoLagObject : public PlantOnFakeClock {
 protected:
  DelayedTwoLagObject()
      : PlantOnFakeClock(
            {.gain = 2, .lagS = 30, .secondLagS = 10, .delayS = 5, .ambient = 15, .noise = 0.0}) {}
};

TEST_F(DelayedTwoLagObject, FollowsItsEquations) {
  writeByte(1, 17, 1);  // the heater at full power from the start
  writeByte(1, 18, 100);
  EXPECT_EQ(liveAfter(4900ms).values[0], 15.0f) << "noise 0 is neither noise nor ripple";
  for (const double t : {8.0, 20.0, 45.0, 120.0}) {
    now = std::chrono::steady_clock::time_point(
        std::chrono::duration_cast<std::chrono::steady_clock::duration>(
            std::chrono::duration<double>(t)));
    const double s = t - 5;
    const double rise = 1 - (30 * std::exp(-s / 30) - 10 * std::exp(-s / 10)) / (30 - 10);
    EXPECT_NEAR(liveAfter(0s).values[0], 15 + 200 * rise, 0.1) << t;
  }
}

class NoisyObject : public PlantOnFakeClock {
 protected:
  static PlantOptions Noisy(std::uint64_t seed) { return {.noise = 0.5, .seed = seed}; }
  NoisyObject() : PlantOnFakeClock(Noisy(3)) {}

  // With the heater held off, the object stays at ambient.
  std::vector<float> samples(Instrument& object, int count) {
    object.setByteParameter(1, 17, 1);
    std::vector<float> values;
    for (int i = 0; i < count; ++i) {
      now += 10ms;
      values.push_back(live(object).values[0]);
    }
    return values;
  }
};

TEST_F(NoisyObject, NoiseHasItsDeviationAndRepeatsForItsSeed) {
  const std::vector<float> first = samples(instrument, 4000);
  double sum = 0;
  double squares = 0;
  for (const float value : first) {
    sum += value - 20.0;
    squares += (value - 20.0) * (value - 20.0);
  }
  const double mean = sum / static_cast<double>(first.size());
  EXPECT_NEAR(mean, 0, 0.03);
  EXPECT_NEAR(std::sqrt(squares / static_cast<double>(first.size()) - mean * mean), 0.5, 0.025);

  now = {};
  Instrument same(
      1, [this] { return now; }, Noisy(3));
  EXPECT_EQ(samples(same, 4000), first);
  now = {};
  Instrument other(
      1, [this] { return now; }, Noisy(4));
  const std::vector<float> second = samples(other, 4000);
  EXPECT_NE(second, first);

  // Each instrument of a line has an object of its own, from the same options.
  now = {};
  const std::uint32_t addresses[] = {1, 2};
  InstrumentLine line(
      addresses, [this] { return now; }, 0, Noisy(3));
  std::vector<float> atFirst;
  std::vector<float> atSecond;
  line.find(1)->setByteParameter(1, 17, 1);
  line.find(2)->setByteParameter(1, 17, 1);
  for (int i = 0; i < 4000; ++i) {
    now += 10ms;
    atFirst.push_back(live(*line.find(1)).values[0]);
    atSecond.push_back(live(*line.find(2)).values[0]);
  }
  EXPECT_EQ(atFirst, first);
  EXPECT_EQ(atSecond, second);
}

TEST(PlantCourse, DependsOnElapsedTimeNotOnPolling) {
  std::chrono::steady_clock::time_point now{};
  Instrument polled(1, [&] { return now; });
  Instrument quiet(1, [&] { return now; });
  for (int i = 0; i < 600; ++i) {
    now += 500ms;
    polled.idle();
  }
  quiet.idle();
  const std::string block = ReadRequestText(1, MakeParamAddress(ValueKind::DataBlock, 1, 2));
  const std::string frame = CompleteFrame(block);
  const std::string text = frame.substr(5, frame.size() - 6);
  EXPECT_EQ(polled.handle(text)->bytes, quiet.handle(text)->bytes);
}

}  // namespace
}  // namespace zorkan::sim
