#pragma once
// Channel 1's PID regulator and PWM output on the heated object, and what the instrument measures
// and switches.

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

#include "sim/heated_object.h"

namespace zorkan::sim {

struct SetpointSettings {
  int type = 0;  // 0 none, 1 falling, 2 rising
  double value = 0;
  double hysteresis = 0;
};

struct PlantSettings {
  double regulatedValue = 0;
  double proportionalGain = 1;  // 1: output spans 0..100 % across the zone
  double zone = 0;              // PID works within +-zone of the regulated value
  double differentiationS = 0;
  double integrationS = 0;  // 0: no integral term
  int pwmPeriodS = 1;
  int manualRelay = 0;  // 1 or 2: that relay runs `manualDuty` instead of the PID
  int manualDuty = 0;
  std::array<std::array<std::uint8_t, 2>, 2> relayMasks{};     // [relay][channel]
  std::array<std::array<SetpointSettings, 2>, 2> setpoints{};  // [channel][setpoint]
  std::array<bool, 2> channelEnabled{true, true};
};

struct PlantReading {
  std::uint8_t relays = 0;  // bit 0 relay 1, bit 1 relay 2
  std::array<float, 2> values{};
  std::array<std::uint8_t, 2> statuses{};
  std::array<std::uint8_t, 2> flags{};  // bit 0 setpoint 1, bit 1 setpoint 2, bit 2 break
};

class Plant {
 public:
  static constexpr std::chrono::milliseconds kStep{10};

  explicit Plant(const PlantOptions& options = {});

  // Integrates in fixed steps up to `elapsed` since the start, so that the course of the plant
  // depends only on elapsed time, never on how often it is asked.
  void advanceTo(std::chrono::nanoseconds elapsed, const PlantSettings& settings);
  PlantReading reading() const { return reading_; }

 private:
  void step(const PlantSettings& settings);
  void startPwmPeriod(const PlantSettings& settings);
  double pidDuty(const PlantSettings& settings, double measured, double periodS);
  void measure(const PlantSettings& settings, double timeS);
  std::uint8_t relayStates(const PlantSettings& settings) const;

  std::int64_t steps_ = 0;
  HeatedObject object_;
  PlantReading reading_;

  std::int64_t periodStart_ = 0;
  std::int64_t periodSteps_ = 0;
  std::int64_t onSteps_ = 0;
  bool pwmOn_ = false;

  double measuredSum_ = 0;
  std::int64_t measuredCount_ = 0;
  std::optional<double> lastMeasured_;
  double slope_ = 0;
  double integral_ = 0;
};

}  // namespace zorkan::sim
